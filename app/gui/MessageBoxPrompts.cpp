#include "app/gui/MessageBoxPrompts.h"

#include <QMessageBox>

void MessageBoxPrompts::ShowMessage(const QString& text) {
  QMessageBox::warning(parent_, title_, text, QMessageBox::Ok);
}
