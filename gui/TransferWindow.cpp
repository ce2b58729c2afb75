#include "gui/TransferWindow.h"

#include "acquisition/SamplingEngine.h"
#include "generator/Excitation.h"
#include "gui/DialogFont.h"
#include "gui/TransferPlotWidget.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultSmoothing = 12;

}  // namespace

TransferWindow::TransferWindow(const SamplingEngine& engine, std::unique_ptr<AudioOutput> output, QWidget* parent)
    : AnalysisWindow(kRefreshMs, parent), engine_(engine), output_(std::move(output)) {
  setWindowTitle(tr("传递函数"));
  setFont(DialogFont());

  note_ = new QLabel(this);
  readout_ = new QLabel(this);
  plot_ = new TransferPlotWidget(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(MakeControls());
  layout->addWidget(note_);
  layout->addWidget(readout_);
  layout->addWidget(plot_, 1);

  Show(QString(), {});
  resize(1000, 620);
}

TransferWindow::~TransferWindow() {
  if (output_) output_->Stop();
}

QLayout* TransferWindow::MakeControls() {
  excitation_ = new QComboBox(this);
  excitation_->addItem(tr("粉红噪声"), int(Excitation::PinkNoise));
  excitation_->addItem(tr("白噪声"), int(Excitation::WhiteNoise));
  excitation_->addItem(tr("对数扫频"), int(Excitation::LogSweep));
  level_ = new QSpinBox(this);
  level_->setRange(kExcitationMinDb, kExcitationMaxDb);
  level_->setValue(kExcitationDefaultDb);
  level_->setSuffix(QStringLiteral(" dBFS"));
  play_ = new QPushButton(this);
  fft_ = new QComboBox(this);
  for (int n = kTransferMinFft; n <= kTransferMaxFft; n *= 2) fft_->addItem(QString::number(n), n);
  fft_->setCurrentIndex(fft_->findData(kTransferDefaultFft));
  smoothing_ = new QComboBox(this);
  for (const int fraction : kTransferSmoothings)
    smoothing_->addItem(fraction == 0 ? tr("无") : tr("1/%1 倍频程").arg(fraction), fraction);
  smoothing_->setCurrentIndex(smoothing_->findData(kDefaultSmoothing));
  auto* reset = new QPushButton(tr("重新平均"), this);
  auto* csv = new QPushButton(tr("导出 CSV…"), this);
  auto* png = new QPushButton(tr("导出 PNG…"), this);

  connect(excitation_, &QComboBox::currentIndexChanged, this, &TransferWindow::Replay);
  connect(level_, &QSpinBox::valueChanged, this, &TransferWindow::Replay);
  connect(play_, &QPushButton::clicked, this, [this] { started_ ? Stop() : Play(); });
  connect(fft_, &QComboBox::currentIndexChanged, this, &TransferWindow::ResetAverages);
  connect(smoothing_, &QComboBox::currentIndexChanged, this, [this] {
    shownAverages_ = -1;
    Refresh(true);
  });
  connect(reset, &QPushButton::clicked, this, &TransferWindow::ResetAverages);
  connect(csv, &QPushButton::clicked, this, &TransferWindow::ExportCsv);
  connect(png, &QPushButton::clicked, this, &TransferWindow::ExportPng);

  auto* row = new QHBoxLayout;
  const auto labelled = [&](const QString& text, QWidget* control) {
    auto* label = new QLabel(text, this);
    label->setBuddy(control);
    row->addWidget(label);
    row->addWidget(control);
  };
  labelled(tr("激励："), excitation_);
  labelled(tr("电平："), level_);
  row->addWidget(play_);
  row->addSpacing(16);
  labelled(tr("FFT 点数："), fft_);
  labelled(tr("平滑："), smoothing_);
  row->addWidget(reset);
  row->addStretch();
  row->addWidget(csv);
  row->addWidget(png);
  ShowPlaying();
  return row;
}

void TransferWindow::Shown() {
  shownAverages_ = -1;
  Refresh(true);
}

void TransferWindow::closeEvent(QCloseEvent* event) {
  // Nobody hears a reason for the noise once the window is gone.
  Stop();
  event->accept();
}

void TransferWindow::ResetAverages() {
  feed_.Reset();
  shownAverages_ = -1;
  Refresh(true);
}

void TransferWindow::Refresh(bool now) {
  // Nothing to do while nobody can see it.
  if (!isVisible() || isMinimized()) return;
  StopForGenerator();
  const int fftSize = fft_->currentData().toInt();
  switch (feed_.Feed(engine_.Recent(), fftSize)) {
    case TransferFeed::State::NoInput:
      Show(tr("正在等待实时输入。"), {});
      return;
    case TransferFeed::State::Mono:
      Show(tr("输入是单声道：请在设置中选择立体声。"), {});
      return;
    case TransferFeed::State::Fed:
      break;
  }
  const TransferAverager& averager = *feed_.Averager();
  if (averager.Averages() == shownAverages_) return;  // no new segment
  if (!now && shownAverages_ > 0 && drawn_.isValid() && drawn_.elapsed() < kRedrawMs) return;
  shownAverages_ = averager.Averages();
  drawn_.start();
  if (averager.Averages() == 0) {
    Show(tr("正在平均：每段 %1 个样本。").arg(fftSize), {});
    return;
  }
  const double delay = averager.DelaySeconds();
  Show(QString(), ShownCurve(delay), delay);
}

std::vector<TransferPoint> TransferWindow::ShownCurve(double delay) const {
  const TransferAverager& averager = *feed_.Averager();
  const int fraction = smoothing_->currentData().toInt();
  std::vector<TransferPoint> curve = averager.Curve();
  // The phase of the delay would wrap many times within a band: it is taken
  // out for the averaging and put back after it.
  if (fraction != 0) curve = WithoutDelay(SmoothTransfer(WithoutDelay(curve, delay), fraction), -delay);
  return curve;
}

void TransferWindow::Show(const QString& note, std::vector<TransferPoint> curve, double delay) {
  QString text = tr("只测量实时输入：CH1 为参考，CH2 为响应。");
  if (!outputProblem_.isEmpty()) text += QLatin1Char(' ') + outputProblem_;
  if (!note.isEmpty()) text += QLatin1Char(' ') + note;
  note_->setText(text);
  const TransferAverager* averager = feed_.Averager();
  readout_->setText(curve.empty() || !averager ? QString() : TransferCaption(delay, averager->Averages()));
  plot_->SetCurve(std::move(curve));
}

QString TransferWindow::Note() const { return note_->text(); }

QString TransferWindow::Readout() const { return readout_->text(); }

const std::vector<TransferPoint>& TransferWindow::Curve() const { return plot_->Curve(); }
