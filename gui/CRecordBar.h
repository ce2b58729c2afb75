#pragma once

#include "gui/DialogUnits.h"

#include <QHash>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QSlider;

// The record bar's form (dialog template 102, 771 x 20 dialog units): record,
// play back, pause and stop as one exclusive group of push-like buttons, the
// playback-position slider and the two ruler check boxes. It only reports
// what the user does; the main frame decides what happens and sets the
// buttons' states.
class CRecordBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRecord = 1035;
  static constexpr int kPlay = 1036;
  static constexpr int kPause = 1037;
  static constexpr int kStop = 1038;
  static constexpr int kPosition = 1039;
  static constexpr int kRulerX = 1001;
  static constexpr int kRulerY = 1002;

  explicit CRecordBar(QWidget* parent = nullptr);

  QAbstractButton* Button(int id) const;  // 1035..1038, else nullptr
  QSlider* Slider() const { return slider_; }
  QCheckBox* RulerXBox() const { return rulerX_; }
  QCheckBox* RulerYBox() const { return rulerY_; }
  // The control with that id, nullptr for an unknown id.
  QWidget* Control(int id) const { return controls_.value(id); }
  const DialogBaseUnits& BaseUnits() const { return units_; }

  // Checks one of 1035..1038 and unchecks the others.
  void Select(int id);
  void SetEnabled(int id, bool enabled);
  // A max below min is taken as min. Moves nothing back into the program.
  void SetSliderRange(int min, int max);
  // Moves the thumb without reporting it as sliderMoved.
  void SetSliderPosition(int pos);

  QSize sizeHint() const override;

 signals:
  void commandTriggered(int id);  // 1035..1038 clicked
  void rulerToggled(int id);      // 1001 or 1002 clicked
  void sliderMoved(int position); // 1039 changed by the user

 private:
  void Place(QWidget* control, int id, int x, int y, int w, int h);

  DialogBaseUnits units_;
  QButtonGroup* group_;
  QSlider* slider_;
  QCheckBox* rulerX_;
  QCheckBox* rulerY_;
  QHash<int, QWidget*> controls_;
};
