#include "gui/DistortionWindow.h"

#include "acquisition/SamplingEngine.h"
#include "app/Globals.h"
#include "display/DisplayStyle.h"
#include "gui/DialogFont.h"
#include "gui/DistortionFigures.h"
#include "gui/DistortionPlot.h"
#include "gui/DistortionTable.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// What the view shows, as the note names it.
QString SourceName() {
  if (g_displayMode == FunctionSignal) return DistortionWindow::tr("函数信号");
  if (g_recordState == Playing || g_recordState == Paused) return DistortionWindow::tr("回放");
  return g_showRealTime ? DistortionWindow::tr("实时输入") : DistortionWindow::tr("样本");
}

}  // namespace

DistortionWindow::DistortionWindow(const SamplingEngine& engine, QWidget* parent)
    : AnalysisWindow(kRefreshMs, parent), engine_(engine) {
  setWindowTitle(tr("失真分析"));
  setFont(DialogFont());

  length_ = new QComboBox(this);
  for (int n = kDistortionMinLength; n <= kDistortionMaxLength; n *= 2) length_->addItem(QString::number(n), n);
  length_->setCurrentIndex(length_->findData(kDistortionDefaultLength));
  band_ = new QComboBox(this);
  band_->addItem(tr("20 Hz – 20 kHz"));
  band_->addItem(tr("全频带"));
  auto* lengthLabel = new QLabel(tr("分析长度："), this);
  lengthLabel->setBuddy(length_);
  auto* bandLabel = new QLabel(tr("频带："), this);
  bandLabel->setBuddy(band_);
  connect(length_, &QComboBox::currentIndexChanged, this, &DistortionWindow::Reanalyse);
  connect(band_, &QComboBox::currentIndexChanged, this, &DistortionWindow::Reanalyse);

  auto* controls = new QHBoxLayout;
  controls->addWidget(lengthLabel);
  controls->addWidget(length_);
  controls->addSpacing(16);
  controls->addWidget(bandLabel);
  controls->addWidget(band_);
  controls->addStretch();

  note_ = new QLabel(this);
  plot_ = new DistortionPlot(this);

  auto* body = new QHBoxLayout;
  table_ = new DistortionTable(this);
  body->addWidget(table_, 0, Qt::AlignTop);
  body->addWidget(plot_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(note_);
  layout->addLayout(body, 1);

  ShowResults({}, QString());
  resize(1000, 560);
}

void DistortionWindow::Shown() { Reanalyse(); }

void DistortionWindow::Reanalyse() {
  analysed_ = false;
  if (isVisible()) Refresh();
}

void DistortionWindow::Refresh() {
  // Nothing to do while nobody can see it.
  if (!isVisible() || isMinimized()) return;
  const int wanted = length_->currentData().toInt();
  if (!TakeDistortionBlock(engine_, static_cast<std::size_t>(wanted), last_) && analysed_) return;  // nothing new
  analysed_ = true;

  const std::size_t length = DistortionLength(last_.Frames(), static_cast<std::size_t>(wanted));
  if (last_.channels == 0 || length == 0) {
    ShowResults({}, tr("%1：正在等待样本（已有 %2 个，至少需要 %3 个）。")
                        .arg(SourceName())
                        .arg(last_.Frames())
                        .arg(kDistortionMinLength));
    return;
  }
  DistortionOptions options;
  options.length = static_cast<int>(length);
  options.fullBand = band_->currentIndex() == 1;
  std::vector<DistortionResult> results;
  for (int ch = 0; ch < last_.channels; ++ch)
    results.push_back(AnalyseDistortion(last_.samples[ch], last_.sampleRate, last_.fullScale, options));
  QString note = tr("%1：%2 Hz，分析 %3 个样本。").arg(SourceName()).arg(last_.sampleRate).arg(length);
  for (int ch = 0; ch < int(results.size()); ++ch)
    if (!results[ch].ok)
      note += QLatin1Char(' ') + tr("CH%1 无法分析：%2").arg(ch + 1).arg(QString::fromStdString(results[ch].reason));
  ShowResults(std::move(results), note);
}

void DistortionWindow::ShowResults(std::vector<DistortionResult> results, const QString& note) {
  note_->setText(note);
  const bool millivolts = g_settings.coordSystem == Millivolt;
  const std::optional<float> mvPerUnit =
      millivolts ? std::optional<float>(g_settings.voltageRefMv / g_settings.logicRef) : std::nullopt;
  QList<QStringList> values;
  for (const DistortionResult& r : results) values << (r.ok ? DistortionValueTexts(r, mvPerUnit) : QStringList());
  if (values.isEmpty()) values << QStringList();  // CH1's column stays, empty
  QList<bool> rowShown;
  for (int row = 0; row < kDistortionRows; ++row) rowShown << (row != kMillivoltRow || millivolts);
  table_->SetFigures(values, rowShown);
  plot_->SetResults(std::move(results));
}

QString DistortionWindow::Note() const { return note_->text(); }
