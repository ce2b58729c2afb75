#include "gui/CMyPropertyPage3.h"

#include "app/Globals.h"
#include "app/Prompts.h"
#include "gui/EditTextNumber.h"
#include "settings/SettingsRecord.h"

#include <QComboBox>
#include <QLineEdit>

CMyPropertyPage3::CMyPropertyPage3(QWidget* parent) : PropertyPage(parent) {
  AddLabel(tr("坐标系:"), 8, 10, 42, 14);
  coordSystem_ = new QComboBox(this);
  coordSystem_->addItems({tr("逻辑电平等分参考坐标系"), tr("分贝显示参考坐标系"), tr("电压整值等分参考坐标系")});
  Place(coordSystem_, kCoordSystem, 52, 10, 124, 14);

  AddLabel(tr("时间单位:"), 8, 30, 42, 14);
  timeUnit_ = new QComboBox(this);
  // A sorted list: its items stand in their sorted order (毫 before 微 in the
  // Chinese collation), so index 0 is milliseconds and 1 microseconds.
  timeUnit_->addItems({tr("毫秒[ms]"), tr("微秒[us]")});
  Place(timeUnit_, kTimeUnit, 52, 30, 64, 14);

  AddLabel(tr("逻辑电平值:"), 8, 52, 76, 10);
  AddLabel(tr("电压值[mV]:"), 99, 52, 77, 10);
  logicRef_ = new QLineEdit(this);
  Place(logicRef_, kLogicRef, 8, 64, 76, 14);
  AddLabel(QStringLiteral("="), 84, 64, 15, 14, Qt::AlignHCenter);
  voltageRef_ = new QLineEdit(this);
  Place(voltageRef_, kVoltageRef, 99, 64, 77, 14);

  coordSystem_->setCurrentIndex(g_settings.coordSystem);
  timeUnit_->setCurrentIndex(g_settings.timeUnit);
  logicLevel = g_settings.logicRef;
  voltageMv = g_settings.voltageRefMv;
  logicRef_->setText(QString::number(logicLevel));
  voltageRef_->setText(FloatToEditText(voltageMv));
  EnableCalibration();

  connect(coordSystem_, &QComboBox::activated, this, [this](int index) {
    g_settings.coordSystem = index;
    EnableCalibration();
  });
  connect(timeUnit_, &QComboBox::activated, this, [](int index) { g_settings.timeUnit = index; });
  // Every change the user makes (typing, pasting, deleting), not the page's own setText.
  connect(logicRef_, &QLineEdit::textEdited, this, &CMyPropertyPage3::OnLogicRefChanged);
  connect(voltageRef_, &QLineEdit::textEdited, this, &CMyPropertyPage3::OnVoltageRefChanged);
}

QComboBox* CMyPropertyPage3::List(int id) const { return qobject_cast<QComboBox*>(Control(id)); }

QLineEdit* CMyPropertyPage3::Edit(int id) const { return qobject_cast<QLineEdit*>(Control(id)); }

void CMyPropertyPage3::EnableCalibration() {
  const bool millivolt = g_settings.coordSystem == Millivolt;
  logicRef_->setEnabled(millivolt);
  voltageRef_->setEnabled(millivolt);
}

int CMyPropertyPage3::ReadEdits() {
  if (!ReadInt(logicRef_, logicLevel)) return 0;
  if (!ReadFloat(voltageRef_, voltageMv)) return 1;
  return 2;
}

// The text is never corrected: a refused value only leaves the stored field as
// it was. Each edit is checked against the other's stored value, so the pair
// in force is always one the millivolt labels can show.
void CMyPropertyPage3::OnLogicRefChanged() {
  if (ReadEdits() < 1) return;
  if (logicLevel < 1)
    CurrentPrompts().ShowMessage(tr("逻辑电平值不能小于 1 "));
  else if (!CalibrationPairFits(logicLevel, g_settings.voltageRefMv))
    ShowPairTooSteep();
  else
    g_settings.logicRef = logicLevel;
}

void CMyPropertyPage3::OnVoltageRefChanged() {
  if (ReadEdits() < 2) return;
  if (voltageMv < 1.0f)
    CurrentPrompts().ShowMessage(tr("电压值不能小于 1 "));
  else if (!CalibrationPairFits(g_settings.logicRef, voltageMv))
    ShowPairTooSteep();
  else
    g_settings.voltageRefMv = voltageMv;
}

void CMyPropertyPage3::ShowPairTooSteep() {
  CurrentPrompts().ShowMessage(tr("电压值与逻辑电平值之比不能大于 %1").arg(kMaxMvPerUnit));
}
