#pragma once

#include "app/Prompts.h"

#include <QStringList>

// The driver's answers to the program's questions: a file dialog answers
// with the next queued path (none left: cancelled), and every message is
// kept, so the script can tell the expected ones from a failure.
class ShotPrompts : public Prompts {
 public:
  void ShowMessage(const QString& text) override { messages << text; }
  void ShowStatus(const QString& text) override { messages << text; }
  QString GetSaveFileName(const QString&, const QString&) override { return Next(); }
  QString GetOpenFileName(const QString&) override { return Next(); }

  QStringList messages;
  QStringList paths;

 private:
  QString Next() { return paths.isEmpty() ? QString() : paths.takeFirst(); }
};
