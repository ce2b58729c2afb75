#include "gui/DistortionTable.h"

#include "gui/DistortionFigures.h"

#include <QPainter>

namespace {

constexpr int kMargin = 8, kGap = 14;

}  // namespace

DistortionTable::DistortionTable(QWidget* parent) : QWidget(parent), style_(WithTraceColours(ScreenStyle())) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setFont(style_.textFont);
  names_ = DistortionRowNames();
  for (int row = 0; row < names_.size(); ++row) rowShown_ << true;
  values_ << QStringList();
  MeasureNames();
}

void DistortionTable::MeasureNames() {
  const QFontMetrics fm(style_.textFont);
  nameWidth_ = 0;
  for (const QString& name : names_) nameWidth_ = std::max(nameWidth_, fm.horizontalAdvance(name));
  rowHeight_ = fm.height() + 3;
  // Room for the widest value there can be, so the table keeps its size.
  valueWidth_ = fm.horizontalAdvance(QStringLiteral("0.000000 %  (-200.0 dB)"));
}

bool DistortionTable::WidenForValues() {
  const QFontMetrics fm(style_.textFont);
  int widest = valueWidth_;
  for (const QStringList& channel : values_)
    for (const QString& v : channel) widest = std::max(widest, fm.horizontalAdvance(v));
  if (widest == valueWidth_) return false;
  valueWidth_ = widest;
  return true;
}

QSize DistortionTable::sizeHint() const {
  int rows = 1;  // the header
  for (bool shown : rowShown_) rows += shown;
  return {2 * kMargin + nameWidth_ + 2 * (kGap + valueWidth_), 2 * kMargin + rows * rowHeight_};
}

void DistortionTable::SetFigures(const QList<QStringList>& values, const QList<bool>& rowShown) {
  if (values == values_ && rowShown == rowShown_) return;
  const QSize before = sizeHint();
  values_ = values;
  rowShown_ = rowShown;
  style_ = WithTraceColours(ScreenStyle());  // the trace colours may have been changed in the settings
  if (WidenForValues() || sizeHint() != before) updateGeometry();
  update();
}

QString DistortionTable::Text(int row, int channel) const { return values_.value(channel).value(row); }

int DistortionTable::RowTop(int row) const {
  int top = kMargin + rowHeight_;  // below the header
  for (int r = 0; r < row; ++r) top += rowShown_.value(r) ? rowHeight_ : 0;
  return top;
}

QRect DistortionTable::CellRect(int row, int column) const {
  const int left = column == 0 ? kMargin : kMargin + nameWidth_ + kGap + (column - 1) * (valueWidth_ + kGap);
  return {left, row < 0 ? kMargin : RowTop(row), column == 0 ? nameWidth_ : valueWidth_, rowHeight_};
}

void DistortionTable::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), style_.background);
  p.setFont(style_.textFont);
  const int flags = Qt::AlignLeft | Qt::AlignVCenter;
  for (int ch = 0; ch < values_.size() && ch < 2; ++ch) {
    p.setPen(ch == 0 ? style_.ch1.color() : style_.ch2.color());
    p.drawText(CellRect(-1, 1 + ch), flags, ch == 0 ? QStringLiteral("CH1") : QStringLiteral("CH2"));
  }
  for (int row = 0; row < names_.size(); ++row) {
    if (!rowShown_.value(row)) continue;
    p.setPen(style_.text);
    p.drawText(CellRect(row, 0), flags, names_[row]);
    for (int ch = 0; ch < values_.size() && ch < 2; ++ch) {
      p.setPen(ch == 0 ? style_.ch1.color() : style_.ch2.color());
      p.drawText(CellRect(row, 1 + ch), flags, values_[ch].value(row));
    }
  }
}
