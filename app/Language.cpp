#include "app/Language.h"

#include <QCoreApplication>

QString ChooseLanguage(const std::optional<QString>& option, const QStringList& uiLanguages) {
  if (option) return *option;
  // The user's languages in their order of preference, as LANGUAGE lists
  // them: the first the program speaks decides, the later ones being the
  // user's fallbacks ("de:zh": no German, so Chinese). English when none is
  // English or Chinese, the C and POSIX locales included.
  for (const QString& language : uiLanguages) {
    // "en", "en-US", "zh_TW", "zh-Hans-CN": the language is what comes before a separator.
    const QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (code == QLatin1String("en")) return QStringLiteral("en");
    if (code == QLatin1String("zh")) return QStringLiteral("zh");
  }
  return QStringLiteral("en");
}

std::optional<QString> TakeLanguageOption(QStringList& args, QString* error) {
  std::optional<QString> value;
  for (int i = 0; i < args.size();) {
    const QString arg = args[i];
    if (arg == QLatin1String("--lang")) {
      if (i + 1 >= args.size()) {
        *error = QCoreApplication::translate("Language", "--lang needs a value: en or zh");
        return std::nullopt;
      }
      value = args[i + 1];
      args.remove(i, 2);
    } else if (arg.startsWith(QLatin1String("--lang="))) {
      value = arg.mid(7);
      args.remove(i);
    } else {
      ++i;
      continue;
    }
    if (*value != QLatin1String("en") && *value != QLatin1String("zh")) {
      *error = QCoreApplication::translate("Language", "--lang takes en or zh, not '%1'").arg(*value);
      return std::nullopt;
    }
  }
  return value;
}

bool TakeFlag(QStringList& args, const QString& flag) { return args.removeAll(flag) > 0; }
