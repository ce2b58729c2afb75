#pragma once

#include "app/Prompts.h"

#include <QList>
#include <QStringList>

#include <functional>

// Collects the messages shown to the user while it is installed.
class RecordingPrompts : public Prompts {
 public:
  RecordingPrompts() { SetPrompts(this); }
  ~RecordingPrompts() override { SetPrompts(nullptr); }
  void ShowMessage(const QString& text) override { messages << text; }
  void ShowStatus(const QString& text) override { statuses << text; }
  // File dialogs answer with the next of `paths` ("" = cancelled) and record what they showed.
  QString GetSaveFileName(const QString& filter, const QString& defaultSuffix) override {
    dialogs << QStringLiteral("save %1 %2").arg(filter, defaultSuffix);
    if (whileSaveDialogOpen) whileSaveDialogOpen();
    return paths.isEmpty() ? QString() : paths.takeFirst();
  }
  QString GetOpenFileName(const QString& filter) override {
    dialogs << QStringLiteral("open %1").arg(filter);
    return paths.isEmpty() ? QString() : paths.takeFirst();
  }
  // The colour dialog answers with the next of `colors` (none left = cancelled).
  std::optional<uint32_t> GetColor() override {
    dialogs << QStringLiteral("color");
    if (colors.isEmpty()) return std::nullopt;
    return colors.takeFirst();
  }
  // The Save / Discard / Cancel question answers with the next of `answers`
  // (none left = Cancel).
  SaveChoice AskSaveRecording(const QString& question) override {
    dialogs << QStringLiteral("ask %1").arg(question);
    return answers.isEmpty() ? SaveChoice::Cancel : answers.takeFirst();
  }
  // The message goes with the others; its detail is kept beside it.
  void ShowMessageWithDetail(const QString& text, const QString& detail) override {
    messages << text;
    details << detail;
  }
  QStringList messages;
  QStringList details;
  QStringList statuses;
  QStringList dialogs;
  QStringList paths;
  QList<uint32_t> colors;
  QList<SaveChoice> answers;
  // Runs while the save dialog is "open" (the user takes their time).
  std::function<void()> whileSaveDialogOpen;
};
