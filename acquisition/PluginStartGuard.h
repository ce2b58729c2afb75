#pragma once

// A sampling plug-in runs inside the program: when it crashes, the program
// goes with it, and a plug-in that plus.ini names would crash every start
// after. The guard leaves a marker file in the runtime folder naming the
// plug-in before each call into it that has not yet proved harmless (loading
// runs the library's own code too), and removes it once the plug-in has
// served kGoodTicks display ticks, or no longer runs, or the program ends
// cleanly. A marker found at start-up means a call never came back: that
// start does without plug-ins.

#include <QString>

#include <optional>

// The marker file in the runtime folder.
inline constexpr char kPluginMarkerFile[] = "pluginguard.txt";

// When the plug-in was called: opened or applied in the manager, loaded at
// start-up, or on a display tick.
enum class PluginCall { Open, Apply, StartUp, Sampling };

class PluginStartGuard {
 public:
  // One second of display ticks.
  static constexpr int kGoodTicks = 50;

  struct Marker {
    QString plugin;  // the library's path; empty when the marker could not be read
    PluginCall call = PluginCall::StartUp;
    bool operator==(const Marker&) const = default;
  };

  // The marker an earlier run left, if any. The guard keeps it: it stays in
  // the runtime folder, and comes back after the calls of this run, until
  // Settle.
  std::optional<Marker> FindLeftOver();

  // Before a call into `plugin`: writes the marker. When it cannot be
  // written, returns false with `error` set, and the call must not be made.
  bool Arm(const QString& plugin, PluginCall call, QString* error);
  // A display tick called the plug-in and it came back; after kGoodTicks of
  // them the marker goes.
  void Ticked();
  // No call into the plug-in is to come (it is no longer the input, or the
  // program ends): the marker goes.
  void Release();
  // The user chose the input again (plus.ini is written): a marker left by an
  // earlier run no longer holds.
  void Settle();

  bool Armed() const { return armed_; }

 private:
  bool armed_ = false;
  int goodTicks_ = 0;
  std::optional<Marker> leftOver_;
};

// The status line's note for a start that did without plug-ins because of
// `marker`: which plug-in, when it failed, and how to use it again.
QString SkippedPluginNote(const PluginStartGuard::Marker& marker);
