#pragma once

// Loading the program's texts, and Qt's own, in the program's language.
// The application owns the translators installed.

#include <QString>

// The program's texts in `language`, from the read-only resources'
// translations/ondrix_<language>.qm: for "en" the English of its Chinese
// texts, for "zh" the Chinese of the texts written in English (ondrix-cli's
// messages, the analyses' refusals). In English, the system's reasons for a
// failed file operation are English too. False with `error` naming the file
// when the translation cannot be loaded: the program then shows its texts as
// written.
bool InstallTranslations(const QString& language, QString* error);

// Qt's own texts (its dialogs, its buttons, the reasons it gives for a file
// error) in `language`: Chinese from Qt's translations when they are
// installed; Qt's texts are English already.
void InstallQtTranslations(const QString& language);
