#include "gui/PropertyPage.h"

#include "app/Prompts.h"
#include "gui/DialogFont.h"
#include "gui/EditTextNumber.h"

#include <QLabel>
#include <QLineEdit>

PropertyPage::PropertyPage(QWidget* parent) : QWidget(parent) {
  setFont(DialogFont());
  setFixedSize(DialogSize(kTemplateBaseUnits, kWidthDu, kHeightDu));
}

QRect PropertyPage::PixelRect(int x, int y, int w, int h) const { return DialogRect(kTemplateBaseUnits, x, y, w, h); }

void PropertyPage::Place(QWidget* control, int id, int x, int y, int w, int h) {
  control->setObjectName(QString::number(id));
  control->setGeometry(PixelRect(x, y, w, h));
  controls_.insert(id, control);
}

QLabel* PropertyPage::AddLabel(const QString& text, int x, int y, int w, int h, Qt::Alignment align) {
  auto* label = new QLabel(text, this);
  label->setAlignment(align | Qt::AlignVCenter);
  label->setGeometry(PixelRect(x, y, w, h));
  return label;
}

bool PropertyPage::ReadInt(const QLineEdit* edit, int& member) {
  const std::optional<int> value = EditTextToInt(edit->text());
  if (!value) {
    CurrentPrompts().ShowMessage(tr("请键入一个整数。"));
    return false;
  }
  member = *value;
  return true;
}

bool PropertyPage::ReadFloat(const QLineEdit* edit, float& member) {
  const std::optional<float> value = EditTextToFloat(edit->text());
  if (!value) {
    CurrentPrompts().ShowMessage(tr("请键入一个数。"));
    return false;
  }
  member = *value;
  return true;
}
