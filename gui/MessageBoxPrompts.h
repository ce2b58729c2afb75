#pragma once

#include "app/Prompts.h"

class QWidget;

// Messages as warning boxes with an OK button and the program's title.
class MessageBoxPrompts : public Prompts {
 public:
  MessageBoxPrompts(QWidget* parent, QString title) : parent_(parent), title_(std::move(title)) {}
  void ShowMessage(const QString& text) override;
  // Shown in the status bar when the parent is the main window.
  void ShowStatus(const QString& text) override;
  // Several filters are separated by ";;"; choosing one makes its suffix
  // the one a name typed without a suffix gets.
  QString GetSaveFileName(const QString& filter, const QString& defaultSuffix) override;
  QString GetOpenFileName(const QString& filter) override;
  std::optional<uint32_t> GetColor() override;
  SaveChoice AskSaveRecording(const QString& question) override;
  // The detail is the box's informative text, shown under the message.
  void ShowMessageWithDetail(const QString& text, const QString& detail) override;

 private:
  QWidget* parent_;
  QString title_;
};

// The suffix of a file-dialog filter's first pattern: "png" for
// "PNG 图像(*.png)"; empty when it has none.
QString FilterSuffix(const QString& filter);
