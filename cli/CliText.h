#pragma once

// ondrix-cli's messages to the user, through the translation system. Their
// sources are English and read the same in both languages; what they quote
// from the program (a WAV file's refusal, a generator limit) follows the
// program's language. Output meant for other programs is not translated.

#include <QCoreApplication>

struct CliText {
  Q_DECLARE_TR_FUNCTIONS(CliText)
};
