#pragma once

#include "gui/PropertyPage.h"

class QComboBox;
class QLineEdit;

// "坐标系" (dialog 107): the Y coordinate system, the time unit and the
// millivolt calibration pair (a logic-level value and the millivolts equal to
// it). Lists write g_settings at once; the edits are checked on every change
// of their text, and only an acceptable value is stored. The pair can be
// edited only in the millivolt system.
class CMyPropertyPage3 : public PropertyPage {
  Q_OBJECT

 public:
  static constexpr int kCoordSystem = 1006;
  static constexpr int kTimeUnit = 1003;
  static constexpr int kLogicRef = 1007;
  static constexpr int kVoltageRef = 1008;

  explicit CMyPropertyPage3(QWidget* parent = nullptr);

  QComboBox* List(int id) const;
  QLineEdit* Edit(int id) const;

  // The values last read from the edits.
  int logicLevel = 0;
  float voltageMv = 0;

 private:
  // Reads the edits into the members in order (1007, then 1008), stopping
  // at the first that holds no number; returns how many were read.
  int ReadEdits();
  void OnLogicRefChanged();
  void OnVoltageRefChanged();
  void ShowPairTooSteep();
  void EnableCalibration();

  QComboBox* coordSystem_;
  QComboBox* timeUnit_;
  QLineEdit* logicRef_;
  QLineEdit* voltageRef_;
};
