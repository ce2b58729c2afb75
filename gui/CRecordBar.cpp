#include "gui/CRecordBar.h"

#include "gui/DialogFont.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace {

constexpr int kWidthDu = 771;
constexpr int kHeightDu = 20;

struct ButtonDef {
  int id;
  const char* text;
  int x;
};

constexpr ButtonDef kButtons[] = {
    {CRecordBar::kRecord, QT_TRANSLATE_NOOP("CRecordBar", "录制信号"), 3},
    {CRecordBar::kPlay, QT_TRANSLATE_NOOP("CRecordBar", "回放"), 54},
    {CRecordBar::kPause, QT_TRANSLATE_NOOP("CRecordBar", "暂停"), 105},
    {CRecordBar::kStop, QT_TRANSLATE_NOOP("CRecordBar", "停止"), 156},
};

}  // namespace

CRecordBar::CRecordBar(QWidget* parent) : QWidget(parent) {
  setFont(DialogFont());
  units_ = kTemplateBaseUnits;
  setFixedSize(sizeHint());

  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  for (const ButtonDef& def : kButtons) {
    auto* button = new QPushButton(tr(def.text), this);
    button->setCheckable(true);
    group_->addButton(button, def.id);
    Place(button, def.id, def.x, 3, 50, 14);
  }
  connect(group_, &QButtonGroup::idClicked, this, &CRecordBar::commandTriggered);

  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setTickPosition(QSlider::NoTicks);
  slider_->setFocusPolicy(Qt::StrongFocus);
  Place(slider_, kPosition, 209, 3, 165, 14);
  connect(slider_, &QSlider::valueChanged, this, &CRecordBar::sliderMoved);

  rulerX_ = new QCheckBox(tr("标尺[X]"), this);
  Place(rulerX_, kRulerX, 568, 5, 44, 10);
  connect(rulerX_, &QCheckBox::clicked, this, [this] { emit rulerToggled(kRulerX); });
  rulerY_ = new QCheckBox(tr("标尺[Y]"), this);
  Place(rulerY_, kRulerY, 616, 5, 44, 10);
  connect(rulerY_, &QCheckBox::clicked, this, [this] { emit rulerToggled(kRulerY); });

  // The state the frame gives the bar when it is created.
  Select(kStop);
  SetEnabled(kPause, false);
  SetEnabled(kStop, false);
  SetSliderRange(0, 0);
}

void CRecordBar::Place(QWidget* control, int id, int x, int y, int w, int h) {
  control->setObjectName(QString::number(id));
  control->setGeometry(DialogRect(units_, x, y, w, h));
  controls_.insert(id, control);
}

QAbstractButton* CRecordBar::Button(int id) const { return group_->button(id); }

void CRecordBar::Select(int id) {
  if (QAbstractButton* button = Button(id)) button->setChecked(true);
}

void CRecordBar::SetEnabled(int id, bool enabled) {
  if (QWidget* control = Control(id)) control->setEnabled(enabled);
}

void CRecordBar::SetSliderRange(int min, int max) {
  // Clamping the thumb into the new range is the program's doing too.
  const QSignalBlocker blocker(slider_);
  slider_->setRange(min, std::max(min, max));
}

void CRecordBar::SetSliderPosition(int pos) {
  const QSignalBlocker blocker(slider_);
  slider_->setValue(pos);
}

QSize CRecordBar::sizeHint() const { return DialogSize(units_, kWidthDu, kHeightDu); }
