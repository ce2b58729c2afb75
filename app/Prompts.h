#pragma once

#include <QString>

// The one way the engine and the operations tell the user something. The
// window installs a message-box implementation; the command-line tool and the
// tests install their own.
class Prompts {
 public:
  virtual ~Prompts() = default;
  // A warning with an OK button and the program's title as caption.
  virtual void ShowMessage(const QString& text) = 0;
};

// Prompts currently in force; never null (the default writes to stderr).
Prompts& CurrentPrompts();
// Installs `prompts` (not owned); null restores the default.
void SetPrompts(Prompts* prompts);
