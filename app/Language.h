#pragma once

// The program's language: English ("en") or the Chinese original ("zh"),
// from the --lang option or else from the user's UI languages.

#include <QString>
#include <QStringList>

#include <optional>

// "en" or "zh". `option` is the value of --lang ("en" or "zh") and wins when
// given; otherwise the first of `uiLanguages` (QLocale's, most preferred
// first, "en-GB", "zh-Hans-CN", ...) that is English or Chinese decides, and
// English when none is either (German, the C locale).
QString ChooseLanguage(const std::optional<QString>& option, const QStringList& uiLanguages);

// Takes "--lang VALUE" or "--lang=VALUE" out of `args` (anywhere in them)
// and returns VALUE; nothing when the option is absent. A value other than
// "en" or "zh", or a missing value, sets `error` to one line for the user.
std::optional<QString> TakeLanguageOption(QStringList& args, QString* error);

// Takes every `flag` ("--no-plugin") out of `args`; true when there was one.
bool TakeFlag(QStringList& args, const QString& flag);
