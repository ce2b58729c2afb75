#include "gui/CMyPropertyPage4.h"

#include "app/Globals.h"
#include "app/Prompts.h"

#include <QLineEdit>

CMyPropertyPage4::CMyPropertyPage4(QWidget* parent) : PropertyPage(parent) {
  AddLabel(tr("请输入校准逻辑电平值！"), 30, 22, 140, 10);
  offset_ = new QLineEdit(this);
  Place(offset_, kOffset, 30, 36, 100, 14);

  offsetValue = g_settings.calibrationOffset;
  offset_->setText(QString::number(offsetValue));
  connect(offset_, &QLineEdit::textEdited, this, &CMyPropertyPage4::OnOffsetChanged);
}

// The text is never corrected: a refused value only leaves the stored field as it was.
void CMyPropertyPage4::OnOffsetChanged() {
  if (!ReadInt(offset_, offsetValue)) return;
  if (offsetValue > kLimit || offsetValue < -kLimit)
    CurrentPrompts().ShowMessage(tr("请输入一个在32000~-32000之间的值!"));
  else
    g_settings.calibrationOffset = static_cast<int16_t>(offsetValue);
}
