#pragma once

#include "app/Prompts.h"

#include <QStringList>

// Collects the messages shown to the user while it is installed.
class RecordingPrompts : public Prompts {
 public:
  RecordingPrompts() { SetPrompts(this); }
  ~RecordingPrompts() override { SetPrompts(nullptr); }
  void ShowMessage(const QString& text) override { messages << text; }
  QStringList messages;
};
