#pragma once

// The measurement picture's texts in the program's language (the bitmap
// export and the printed report show the same picture). Readout formats are
// printf formats whose translations keep the conversions, so the numbers
// read exactly alike in every language.

#include <QCoreApplication>
#include <QString>

struct PictureText {
  Q_DECLARE_TR_FUNCTIONS(PictureText)
};

// QString::asprintf with a (translated) format.
template <typename... Args>
QString FormatReadout(const QString& format, Args... args) {
  return QString::asprintf(format.toUtf8().constData(), args...);
}
