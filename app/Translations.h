#pragma once

// Loading the program's texts, and Qt's own, in the program's language.
// The application owns the translators installed.

#include <QString>

// For "en": the program's English texts, translations/ondrix_en.qm among the
// read-only resources. For "zh" nothing: the program's texts are the Chinese
// original. False with `error` naming the file when the English translation
// cannot be loaded: the program then shows its original texts.
bool InstallTranslations(const QString& language, QString* error);

// Qt's own texts (its dialogs, its buttons, the reasons it gives for a file
// error) in `language`: Chinese from Qt's translations when they are
// installed; Qt's texts are English already.
void InstallQtTranslations(const QString& language);
