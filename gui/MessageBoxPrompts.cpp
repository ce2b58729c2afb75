#include "gui/MessageBoxPrompts.h"

#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

void MessageBoxPrompts::ShowMessage(const QString& text) {
  QMessageBox::warning(parent_, title_, text, QMessageBox::Ok);
}

void MessageBoxPrompts::ShowStatus(const QString& text) {
  if (auto* window = qobject_cast<QMainWindow*>(parent_)) window->statusBar()->showMessage(text);
}

QString MessageBoxPrompts::GetSaveFileName(const QString& filter, const QString& defaultSuffix) {
  QFileDialog dialog(parent_, QString(), QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString MessageBoxPrompts::GetOpenFileName(const QString& filter) {
  return QFileDialog::getOpenFileName(parent_, QString(), QString(), filter);
}
