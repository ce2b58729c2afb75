#include "app/Translations.h"

#include "app/ResourceLookup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>

bool InstallTranslations(const QString& language, QString* error) {
  // The reasons the system gives for a failed file operation (strerror) are
  // quoted in the program's messages: in English they are the C locale's,
  // whatever the user's locale says. In Chinese they stay the system's.
  if (language == QLatin1String("en")) std::setlocale(LC_MESSAGES, "C");
  const QString name = QStringLiteral("translations/ondrix_%1.qm").arg(language);
  const QString path = FindResource(name);
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!path.isEmpty() && translator->load(path) && QCoreApplication::installTranslator(translator)) return true;
  delete translator;
  *error = QCoreApplication::translate("Translations", "Cannot load the translation %1")
               .arg(path.isEmpty() ? name : path);
  return false;
}

void InstallQtTranslations(const QString& language) {
  if (language != QLatin1String("zh")) return;
  // Missing Qt translations (the package is only recommended) leave Qt's
  // texts in English.
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
}
