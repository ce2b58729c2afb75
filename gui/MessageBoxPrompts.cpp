#include "gui/MessageBoxPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStatusBar>

namespace {

// A modal dialog that is up (the plug-in manager, the settings) owns the
// boxes it causes, so they open above it rather than behind it.
QWidget* Owner(QWidget* parent) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal ? modal : parent;
}

}  // namespace

QString FilterSuffix(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
  return pattern.match(filter).captured(1);
}

void MessageBoxPrompts::ShowMessage(const QString& text) {
  QMessageBox::warning(Owner(parent_), title_, text, QMessageBox::Ok);
}

void MessageBoxPrompts::ShowStatus(const QString& text) {
  auto* window = qobject_cast<QMainWindow*>(parent_);
  if (!window) return;
  QStatusBar* bar = window->statusBar();
  // Notes given while the window is still being built (each repaired
  // parameter file at start-up) are all kept; later ones replace the last.
  const QString shown = bar->currentMessage();
  bar->showMessage(!window->isVisible() && !shown.isEmpty() ? shown + QStringLiteral("  ") + text : text);
}

QString MessageBoxPrompts::GetSaveFileName(const QString& filter, const QString& defaultSuffix) {
  QFileDialog dialog(Owner(parent_), QString(), QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  dialog.setOption(QFileDialog::ReadOnly, false);
  // With several filters, a name typed without a suffix takes the chosen
  // filter's ("*.png" gives ".png"); the given default keeps its spelling.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, defaultSuffix](const QString& chosen) {
    const QString suffix = FilterSuffix(chosen);
    const bool same = suffix.compare(defaultSuffix, Qt::CaseInsensitive) == 0;
    dialog.setDefaultSuffix(same || suffix.isEmpty() ? defaultSuffix : suffix);
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString MessageBoxPrompts::GetOpenFileName(const QString& filter) {
  return QFileDialog::getOpenFileName(Owner(parent_), QString(), QString(), filter);
}

std::optional<uint32_t> MessageBoxPrompts::GetColor() {
  const QColor color = QColorDialog::getColor(Qt::white, Owner(parent_));
  if (!color.isValid()) return std::nullopt;
  return static_cast<uint32_t>(color.red()) | static_cast<uint32_t>(color.green()) << 8 |
         static_cast<uint32_t>(color.blue()) << 16;
}

Prompts::SaveChoice MessageBoxPrompts::AskSaveRecording(const QString& question) {
  QMessageBox box(QMessageBox::Question, title_, question,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, Owner(parent_));
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChoice::Save;
    case QMessageBox::Discard:
      return SaveChoice::Discard;
    default:
      return SaveChoice::Cancel;
  }
}

void MessageBoxPrompts::ShowMessageWithDetail(const QString& text, const QString& detail) {
  QMessageBox box(QMessageBox::Warning, title_, text, QMessageBox::Ok, Owner(parent_));
  box.setInformativeText(detail);
  box.exec();
}
