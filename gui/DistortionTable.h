#pragma once

#include "display/DisplayStyle.h"

#include <QStringList>
#include <QWidget>

// The table of figures in the measurement picture's look: the row names in
// white on black, each channel's values in its trace colour under "CH1" and
// "CH2". Painted as one widget: it changes four times a second, and one
// paint of a few dozen texts costs far less than as many labels.
class DistortionTable : public QWidget {
  Q_OBJECT

 public:
  explicit DistortionTable(QWidget* parent = nullptr);

  // The values of each shown channel (one list per channel, a text per
  // row, empty texts for none); `rowShown` hides rows (the millivolt row).
  void SetFigures(const QList<QStringList>& values, const QList<bool>& rowShown);
  QString Text(int row, int channel) const;
  bool RowShown(int row) const { return rowShown_.value(row); }
  bool ChannelShown(int channel) const { return channel < values_.size(); }
  // The cell of a shown row: column 0 the name, 1 and 2 the channels.
  QRect CellRect(int row, int column) const;
  QString Name(int row) const { return names_.value(row); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The names' column, the rows' height and the room a value usually needs.
  void MeasureNames();
  // Widens the value columns for a value wider than they are; true if it did.
  bool WidenForValues();
  int RowTop(int row) const;

  DisplayStyle style_;
  QStringList names_;
  QList<QStringList> values_;
  QList<bool> rowShown_;
  int nameWidth_ = 0, valueWidth_ = 0, rowHeight_ = 0;
};
