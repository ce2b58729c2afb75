#include "gui/CRateCellEdit.h"

#include <QKeyEvent>

CRateCellEdit::CRateCellEdit(int row, int column, const QString& text, QWidget* parent)
    : QLineEdit(parent), row_(row), column_(column) {
  setObjectName(QString::number(kId));
  QFont font;
  font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                    QStringLiteral("DejaVu Serif")});
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(12);  // 9 pt at 96 dpi, like the dialog font
  setFont(font);
  setFrame(true);
  setMaxLength(kMaxLength);
  setText(text);
}

void CRateCellEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  Finish(true);
}

void CRateCellEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
    Finish(event->key() != Qt::Key_Escape);
    return;  // taken here: no Apply, no closing of the dialog
  }
  QLineEdit::keyPressEvent(event);
}

void CRateCellEdit::Finish(bool keepText) {
  if (finished_) return;
  finished_ = true;
  if (keepText) emit committed(row_, column_, text());
  hide();
  deleteLater();
}
