// The control panel's form: its controls at their dialog-unit rectangles,
// the initial update, the sizing of the etched frame and the data exchange.

#include "gui/CBarTool.h"

#include "acquisition/PluginSettings.h"
#include "app/Globals.h"
#include "app/Prompts.h"
#include "display/COndrixView.h"
#include "generator/GeneratorLimits.h"
#include "generator/MixerSlider.h"
#include "gui/CompactComboBox.h"
#include "gui/DialogFont.h"
#include "gui/DialogUnits.h"
#include "gui/EditTextNumber.h"
#include "gui/PanelIds.h"
#include "gui/PanelScales.h"
#include "gui/TrackBar.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>

#include <algorithm>

namespace {

constexpr int kWidthDu = 571;
constexpr int kHeightDu = 95;
// The panel's background and its static texts.
const QColor kPanelColor(177, 202, 147);
// A drop-down list is as tall as an edit when closed; the template's height
// is that of the list when dropped.
constexpr int kClosedListHeightDu = 13;

enum class Kind { Group, Static, HSlider, VSlider, Edit, ReadOnlyEdit, Radio, Button, List, Frame };

struct ControlDef {
  int id;  // 0: a group box or static text without an id
  Kind kind;
  int x, y, w, h;
  const char* text;
};

// In the template's order, which is also the order they overlap in: the
// group boxes lie under the controls they group.
constexpr ControlDef kControls[] = {
    {0, Kind::Group, 8, 7, 136, 33, QT_TRANSLATE_NOOP("CBarTool", "时基/采样率[Hz]")},
    {IDC_SAMPLE_RATE, Kind::HSlider, 14, 20, 93, 14, nullptr},
    {IDC_SAMPLE_RATE_EDIT, Kind::ReadOnlyEdit, 109, 20, 28, 14, nullptr},
    {0, Kind::Group, 8, 44, 136, 51, QT_TRANSLATE_NOOP("CBarTool", "相位[DOT]")},
    {IDC_CH1_PHASE, Kind::HSlider, 14, 58, 93, 14, nullptr},
    {IDC_CH2_PHASE, Kind::HSlider, 14, 76, 93, 14, nullptr},
    {IDC_CH1_PHASE_EDIT, Kind::ReadOnlyEdit, 109, 58, 28, 14, nullptr},
    {IDC_CH2_PHASE_EDIT, Kind::ReadOnlyEdit, 109, 76, 28, 14, nullptr},
    {0, Kind::Group, 148, 7, 122, 88, QT_TRANSLATE_NOOP("CBarTool", "触发")},
    {0, Kind::Static, 156, 21, 111, 17, QT_TRANSLATE_NOOP("CBarTool", "触发通道：   CH1 / 左声道 \nCH2与CH1同步显示")},
    {IDC_RISING_EDGE, Kind::Radio, 156, 43, 56, 10, QT_TRANSLATE_NOOP("CBarTool", "上升沿触发")},
    {IDC_FALLING_EDGE, Kind::Radio, 212, 43, 56, 10, QT_TRANSLATE_NOOP("CBarTool", "下降沿触发")},
    {0, Kind::Static, 156, 61, 68, 8, QT_TRANSLATE_NOOP("CBarTool", "触发电平[逻辑值]:")},
    {IDC_TRIGGER_LEVEL_EDIT, Kind::ReadOnlyEdit, 226, 61, 37, 12, nullptr},
    {IDC_TRIGGER_LEVEL, Kind::HSlider, 156, 76, 107, 14, nullptr},
    {0, Kind::Group, 274, 7, 40, 88, QT_TRANSLATE_NOOP("CBarTool", "增益[DB]")},
    {IDC_GAIN, Kind::VSlider, 286, 21, 15, 53, nullptr},
    {IDC_GAIN_EDIT, Kind::ReadOnlyEdit, 286, 76, 15, 14, nullptr},
    {0, Kind::Group, 318, 7, 51, 88, QT_TRANSLATE_NOOP("CBarTool", "基线[DOT]")},
    {0, Kind::Static, 324, 20, 19, 8, QT_TRANSLATE_NOOP("CBarTool", "Left")},
    {IDC_CH1_BASELINE, Kind::VSlider, 324, 30, 15, 60, nullptr},
    {0, Kind::Static, 344, 20, 22, 8, QT_TRANSLATE_NOOP("CBarTool", "Right")},
    {IDC_CH2_BASELINE, Kind::VSlider, 346, 30, 15, 60, nullptr},
    {0, Kind::Group, 373, 7, 52, 88, QT_TRANSLATE_NOOP("CBarTool", "控制")},
    {0, Kind::Static, 380, 20, 17, 8, QT_TRANSLATE_NOOP("CBarTool", "Vol")},
    {IDC_MASTER_VOLUME, Kind::VSlider, 380, 30, 15, 43, nullptr},
    {0, Kind::Static, 401, 20, 22, 8, QT_TRANSLATE_NOOP("CBarTool", "L&&Mi")},
    {IDC_LINE_MIC_VOLUME, Kind::VSlider, 403, 30, 15, 43, nullptr},
    {IDC_PLAYBACK_MIXER, Kind::Button, 380, 76, 20, 14, QT_TRANSLATE_NOOP("CBarTool", "高级")},
    {IDC_RECORDING_MIXER, Kind::Button, 400, 76, 19, 14, QT_TRANSLATE_NOOP("CBarTool", "高级")},
    {0, Kind::Group, 430, 7, 140, 88, QT_TRANSLATE_NOOP("CBarTool", "函数信号/扫频信号")},
    {IDC_FUNCTION_MODE, Kind::Radio, 438, 19, 48, 10, QT_TRANSLATE_NOOP("CBarTool", "函数信号")},
    {IDC_SWEEP_MODE, Kind::Radio, 490, 19, 48, 10, QT_TRANSLATE_NOOP("CBarTool", "扫频信号")},
    {0, Kind::Static, 438, 33, 21, 8, QT_TRANSLATE_NOOP("CBarTool", "峰值:")},
    {IDC_LEFT_PEAK, Kind::HSlider, 459, 31, 50, 12, nullptr},
    {IDC_RIGHT_PEAK, Kind::HSlider, 514, 31, 50, 12, nullptr},
    {0, Kind::Static, 438, 49, 29, 8, QT_TRANSLATE_NOOP("CBarTool", "左声道:")},
    {IDC_LEFT_WAVE, Kind::List, 469, 46, 32, 125, nullptr},
    {0, Kind::Static, 503, 49, 28, 8, QT_TRANSLATE_NOOP("CBarTool", "右声道:")},
    {IDC_RIGHT_WAVE, Kind::List, 532, 46, 32, 168, nullptr},
    {IDC_LEFT_FREQ_LABEL, Kind::Static, 438, 64, 37, 8, QT_TRANSLATE_NOOP("CBarTool", "起始[Hz]:")},
    {IDC_LEFT_FREQ, Kind::Edit, 475, 62, 25, 12, nullptr},
    {IDC_RIGHT_FREQ_LABEL, Kind::Static, 502, 64, 29, 8, QT_TRANSLATE_NOOP("CBarTool", "结束:")},
    {IDC_RIGHT_FREQ, Kind::Edit, 532, 62, 32, 12, nullptr},
    {0, Kind::Static, 438, 80, 68, 8, QT_TRANSLATE_NOOP("CBarTool", "扫频上升时间[ms]:")},
    {IDC_RISE_TIME, Kind::Edit, 506, 78, 24, 12, nullptr},
    {IDC_GENERATOR, Kind::Button, 532, 78, 32, 12, QT_TRANSLATE_NOOP("CBarTool", "开始")},
    {IDC_PANEL_FRAME, Kind::Frame, 0, 0, 11, 11, nullptr},
};

// The waveforms in the order of their Waveform values.
constexpr const char* kWaveNames[] = {"Sin()", QT_TRANSLATE_NOOP("CBarTool", "三角"),
                                      QT_TRANSLATE_NOOP("CBarTool", "方波"), QT_TRANSLATE_NOOP("CBarTool", "锯齿波")};

// The eight integer edits in their exchange order.
constexpr int kEditIds[] = {IDC_SAMPLE_RATE_EDIT, IDC_TRIGGER_LEVEL_EDIT, IDC_CH1_PHASE_EDIT, IDC_CH2_PHASE_EDIT,
                            IDC_GAIN_EDIT,        IDC_LEFT_FREQ,          IDC_RIGHT_FREQ,     IDC_RISE_TIME};

int EditIndex(int id) {
  const auto* at = std::find(std::begin(kEditIds), std::end(kEditIds), id);
  return at == std::end(kEditIds) ? -1 : static_cast<int>(at - std::begin(kEditIds));
}

// A static text; several lines are spaced by the template font's 12 px, so
// they fit the height the template gives them whatever font draws them.
// A doubled ampersand shows as one.
QLabel* MakeStatic(QString text, QWidget* parent) {
  text.replace(QStringLiteral("&&"), QStringLiteral("&"));
  if (!text.contains(QLatin1Char('\n'))) return new QLabel(text, parent);
  auto* label =
      new QLabel(QStringLiteral("<p style=\"-qt-line-height-type:fixed; line-height:%1px; white-space:pre\">%2</p>")
                     .arg(kTemplateBaseUnits.y)
                     .arg(text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"))),
                 parent);
  label->setTextFormat(Qt::RichText);
  return label;
}

}  // namespace

CBarTool::CBarTool(QWidget* parent) : QWidget(parent) {
  setFont(DialogFont());
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kPanelColor);
  setPalette(colours);
  launcher_ = [](const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
  };
  setMinimumHeight(sizeHint().height());
  CreateControls();
  ConnectControls();
}

CBarTool::~CBarTool() {
  // The mixer controls close their devices as they go.
  if (g_controlPanel == this) g_controlPanel = nullptr;
}

QSize CBarTool::sizeHint() const { return DialogSize(kTemplateBaseUnits, kWidthDu, kHeightDu); }

void CBarTool::CreateControls() {
  edgeGroup_ = new QButtonGroup(this);
  modeGroup_ = new QButtonGroup(this);
  for (const ControlDef& def : kControls) {
    const QString text = def.text ? tr(def.text) : QString();
    QRect rect = DialogRect(kTemplateBaseUnits, def.x, def.y, def.w, def.h);
    QWidget* control = nullptr;
    switch (def.kind) {
      case Kind::Group:
        control = new QGroupBox(text, this);
        break;
      case Kind::Static: {
        QLabel* label = MakeStatic(text, this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A line of the font that draws the text is taller than the
        // template's 8 units (12 px): the text keeps its place and is not
        // cut below.
        rect.setHeight(std::max(rect.height(), label->fontMetrics().height()));
        control = label;
        break;
      }
      case Kind::HSlider:
      case Kind::VSlider:
        control = new TrackBar(def.kind == Kind::HSlider ? Qt::Horizontal : Qt::Vertical, this);
        break;
      case Kind::Edit:
      case Kind::ReadOnlyEdit: {
        auto* edit = new QLineEdit(this);
        // Closer to the frame than a line edit's own 2-px inner margin, as
        // in the template's edits: 28 dialog units then hold "200000".
        const int margin = def.kind == Kind::ReadOnlyEdit ? -2 : -1;
        edit->setTextMargins(margin, 0, margin, 0);
        if (def.kind == Kind::ReadOnlyEdit) {
          edit->setReadOnly(true);
          edit->setFocusPolicy(Qt::NoFocus);
          // A read-only edit shows the panel's colour, as a static does.
          QPalette colours = edit->palette();
          colours.setColor(QPalette::Base, kPanelColor);
          edit->setPalette(colours);
        }
        control = edit;
        break;
      }
      case Kind::Radio: {
        auto* radio = new QRadioButton(text, this);
        (def.id == IDC_RISING_EDGE || def.id == IDC_FALLING_EDGE ? edgeGroup_ : modeGroup_)->addButton(radio, def.id);
        control = radio;
        break;
      }
      case Kind::Button:
        control = new QPushButton(text, this);
        break;
      case Kind::List: {
        auto* list = new CompactComboBox(this);
        for (const char* name : kWaveNames) list->addItem(tr(name));
        rect.setHeight(DialogSize(kTemplateBaseUnits, 0, kClosedListHeightDu).height());
        control = list;
        break;
      }
      case Kind::Frame:
        frame_ = new QFrame(this);
        frame_->setFrameStyle(QFrame::Box | QFrame::Sunken);  // etched
        frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
        frame_->hide();  // shown once the panel has its size
        control = frame_;
        break;
    }
    control->setGeometry(rect);
    if (def.id != 0) {
      control->setObjectName(QString::number(def.id));
      controls_.insert(def.id, control);
    }
  }
  frame_->lower();
}

TrackBar* CBarTool::Slider(int id) const { return qobject_cast<TrackBar*>(Control(id)); }
QLineEdit* CBarTool::Edit(int id) const { return qobject_cast<QLineEdit*>(Control(id)); }
QComboBox* CBarTool::List(int id) const { return qobject_cast<QComboBox*>(Control(id)); }
QAbstractButton* CBarTool::Button(int id) const { return qobject_cast<QAbstractButton*>(Control(id)); }
QLabel* CBarTool::Label(int id) const { return qobject_cast<QLabel*>(Control(id)); }

int32_t CBarTool::EditValue(int id) const {
  const int index = EditIndex(id);
  return index < 0 ? 0 : editValues[static_cast<std::size_t>(index)];
}

void CBarTool::SetEditValue(int id, int32_t value) {
  const int index = EditIndex(id);
  if (index >= 0) editValues[static_cast<std::size_t>(index)] = value;
}

bool CBarTool::UpdateData(bool saveAndValidate) {
  for (std::size_t i = 0; i < editValues.size(); ++i) {
    QLineEdit* edit = Edit(kEditIds[i]);
    if (!saveAndValidate) {
      edit->setText(QString::number(editValues[i]));
      continue;
    }
    const std::optional<int> value = EditTextToInt(edit->text());
    if (!value) {
      CurrentPrompts().ShowMessage(tr("请键入一个整数。"));
      edit->setFocus();
      edit->selectAll();
      return false;
    }
    editValues[i] = *value;
  }
  return true;
}

void CBarTool::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The etched frame follows the panel's size from the second resize on.
  if (firstSizeDone) {
    frame_->setGeometry(0, 0, event->size().width(), event->size().height());
    frame_->show();
  }
  firstSizeDone = true;
  lastSize = event->size();
}

// ------------------------------------------------------------ initial update

void CBarTool::OnInitialUpdate() {
  g_controlPanel = this;
  ReadPluginSettings(AppFilePath(QStringLiteral("plus.ini")));

  Slider(IDC_SAMPLE_RATE)->SetRange(2000, 200000);
  if (g_pluginEnabled) EnableSampleRateSlider(false);
  SyncSampleRateSlider();

  OpenMixer(masterVolume, kMixerSourceNone, IDC_MASTER_VOLUME);
  OpenMixer(lineInVolume, kMixerSourceLine, IDC_LINE_MIC_VOLUME);
  // The microphone's range and level win on the shared slider.
  OpenMixer(micVolume, kMixerSourceMicrophone, IDC_LINE_MIC_VOLUME);

  // The rising edge is shown, and so it is the edge in use.
  edgeGroup_->button(IDC_RISING_EDGE)->setChecked(true);
  OnTriggerEdge(0);
  SetTriggerRange();

  for (int id : {IDC_CH1_BASELINE, IDC_CH2_BASELINE}) Slider(id)->SetRange(-50, 50);
  for (int id : {IDC_CH1_PHASE, IDC_CH2_PHASE}) Slider(id)->SetRange(-20, 200);
  Slider(IDC_GAIN)->SetRange(0, 10);
  Slider(IDC_GAIN)->SetPositionQuietly(5);

  generatorStopped = true;
  // The output lost, or playing again by itself: the button follows it.
  if (g_view) g_view->onSignalOutputChanged = [this] { ShowGeneratorState(); };
  RecordRepairs repairs;
  LoadGeneratorParams(AppFilePath(QStringLiteral("wavedata.ini")), g_generator, &repairs);
  // Judged as the start button judges it, at the rate and channels in force.
  repairs.outOfRange = RepairGeneratorParams(g_generator, g_settings.sampleRate, g_settings.channels);
  if (repairs.Any())
    CurrentPrompts().ShowStatus(RepairStatusText(QStringLiteral("wavedata.ini"), repairs));

  for (int id : {IDC_LEFT_PEAK, IDC_RIGHT_PEAK}) Slider(id)->SetRange(10, 32767);
  Slider(IDC_LEFT_PEAK)->SetPositionQuietly(g_generator.leftPeak);
  Slider(IDC_RIGHT_PEAK)->SetPositionQuietly(g_generator.rightPeak);
  SetEditValue(IDC_LEFT_FREQ, g_generator.leftFreq);
  SetEditValue(IDC_RIGHT_FREQ, g_generator.rightFreq);
  SetEditValue(IDC_RISE_TIME, g_generator.sweepRiseMs);

  const bool function = g_generator.functionMode == 1;
  modeGroup_->button(function ? IDC_FUNCTION_MODE : IDC_SWEEP_MODE)->setChecked(true);
  ShowGeneratorMode(function);
  if (!function) g_generator.rightWave = g_generator.leftWave;
  List(IDC_LEFT_WAVE)->setCurrentIndex(g_generator.leftWave);
  List(IDC_RIGHT_WAVE)->setCurrentIndex(g_generator.rightWave);

  // What the sliders show is what is in effect: each drives its value once
  // from its first position (a value outside its range is brought into it).
  // The rate and the mixer levels were read from where they are kept and
  // stay as they are.
  for (int id : {IDC_TRIGGER_LEVEL, IDC_CH1_BASELINE, IDC_CH2_BASELINE, IDC_CH1_PHASE, IDC_CH2_PHASE, IDC_GAIN,
                 IDC_LEFT_PEAK, IDC_RIGHT_PEAK})
    OnSliderChanged(id, Slider(id)->value());
  UpdateData(false);
}

void CBarTool::OpenMixer(MixerControl& control, int32_t sourceType, int sliderId) {
  control.Open(this, kMixerDestinationSpeakers, sourceType, kMixerControlVolume);
  control.GetValues(leftLevel, rightLevel);
  const MixerSliderRange range = MixerSliderRangeFor(control.GetMinimum(), control.GetMaximum());
  TrackBar* slider = Slider(sliderId);
  slider->SetRange(range.minimum, range.maximum);
  slider->SetPositionQuietly(MixerSliderPosition(leftLevel));
}

void CBarTool::EnableSampleRateSlider(bool enable) { Slider(IDC_SAMPLE_RATE)->setEnabled(enable); }

void CBarTool::SyncSampleRateSlider() {
  Slider(IDC_SAMPLE_RATE)->SetPositionQuietly(g_settings.sampleRate);
  SetEditValue(IDC_SAMPLE_RATE_EDIT, g_settings.sampleRate);
  Edit(IDC_SAMPLE_RATE_EDIT)->setText(QString::number(g_settings.sampleRate));
}

void CBarTool::SetTriggerRange() {
  const SliderRange range = TriggerLevelRange(g_settings.bitsPerSample);
  Slider(IDC_TRIGGER_LEVEL)->SetRange(range.minimum, range.maximum);
  Slider(IDC_TRIGGER_LEVEL)->SetPositionQuietly(g_settings.triggerLevel);
}

void CBarTool::ShowGeneratorMode(bool function) {
  Edit(IDC_RISE_TIME)->setEnabled(!function);
  Label(IDC_LEFT_FREQ_LABEL)->setText(function ? tr("左[Hz]:") : tr("起始[Hz]:"));
  Label(IDC_RIGHT_FREQ_LABEL)->setText(function ? tr("右[Hz]:") : tr("结束:"));
  List(IDC_LEFT_WAVE)->setEnabled(function);
  List(IDC_RIGHT_WAVE)->setEnabled(function);
}
