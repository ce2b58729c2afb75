#include "gui/CompactComboBox.h"

#include <QStyleOptionFrame>
#include <QStylePainter>

void CompactComboBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionFrame box;
  box.initFrom(this);
  box.lineWidth = 1;
  box.state |= QStyle::State_Sunken;
  painter.drawPrimitive(QStyle::PE_PanelLineEdit, box);

  QStyleOption arrow;
  arrow.initFrom(this);
  arrow.rect = QRect(width() - kArrowWidth - 1, 1, kArrowWidth, height() - 2);
  painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);

  const QRect text(2, 1, arrow.rect.left() - 2, height() - 2);
  if (hasFocus()) {
    // The entry is shown selected while the list has the focus.
    painter.fillRect(text, palette().brush(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::HighlightedText));
  } else {
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
  }
  painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, currentText());
}
