#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The one way the engine and the operations tell the user something. The
// window installs a message-box implementation; the command-line tool and the
// tests install their own.
class Prompts {
 public:
  virtual ~Prompts() = default;
  // A warning with an OK button and the program's title as caption.
  virtual void ShowMessage(const QString& text) = 0;
  // A note for the status line that needs no answer (the default writes it
  // to stderr like a message).
  virtual void ShowStatus(const QString& text) { ShowMessage(text); }
  // File dialogs. `filter` is like "波形文件(*.wav)"; a save dialog adds
  // `defaultSuffix` to a name without one and asks before overwriting.
  // Both return the chosen full path, or an empty string when cancelled.
  virtual QString GetSaveFileName(const QString& filter, const QString& defaultSuffix) {
    (void)filter;
    (void)defaultSuffix;
    return {};
  }
  virtual QString GetOpenFileName(const QString& filter) {
    (void)filter;
    return {};
  }
  // The colour dialog, opened with no colour preset. Returns the chosen
  // colour as 0x00BBGGRR (the layout the settings store), nothing when cancelled.
  virtual std::optional<uint32_t> GetColor() { return std::nullopt; }
  // What becomes of a recording the user has not saved.
  enum class SaveChoice { Save, Discard, Cancel };
  // Asks `question` with the answers Save, Discard and Cancel. With nobody
  // to ask (the default) the answer is Cancel: nothing is dropped.
  virtual SaveChoice AskSaveRecording(const QString& question) {
    (void)question;
    return SaveChoice::Cancel;
  }
  // A warning as ShowMessage, with a second text that says more (the system's
  // reason for a fixed message). The default puts it on a line of its own.
  virtual void ShowMessageWithDetail(const QString& text, const QString& detail) {
    ShowMessage(detail.isEmpty() ? text : text + QLatin1Char('\n') + detail);
  }
};

// Prompts currently in force; never null (the default writes to stderr).
Prompts& CurrentPrompts();
// Installs `prompts` (not owned); null restores the default.
void SetPrompts(Prompts* prompts);
