#include "gui/CMyPropertyPage2.h"

#include "app/Globals.h"
#include "app/Prompts.h"
#include "display/ComposeDisplay.h"

#include <QFrame>
#include <QPainter>
#include <QPushButton>

namespace {

QFrame* SunkenFrame(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(1);
  return frame;
}

}  // namespace

CMyPropertyPage2::CMyPropertyPage2(QWidget* parent) : PropertyPage(parent) {
  // The frames only draw their edge; the page paints what shows inside.
  ch1Frame_ = SunkenFrame(this);
  ch1Frame_->setGeometry(PixelRect(38, 24, 26, 14));
  ch2Frame_ = SunkenFrame(this);
  ch2Frame_->setGeometry(PixelRect(38, 49, 26, 14));

  auto* ch1 = new QPushButton(tr("通道 1"), this);
  Place(ch1, kCh1Button, 72, 24, 50, 14);
  connect(ch1, &QPushButton::clicked, this, [this] { ChooseColor(g_settings.ch1Color); });
  auto* ch2 = new QPushButton(tr("通道 2"), this);
  Place(ch2, kCh2Button, 72, 49, 50, 14);
  connect(ch2, &QPushButton::clicked, this, [this] { ChooseColor(g_settings.ch2Color); });
}

QPushButton* CMyPropertyPage2::Button(int id) const { return qobject_cast<QPushButton*>(Control(id)); }

void CMyPropertyPage2::ChooseColor(uint32_t& field) {
  if (const std::optional<uint32_t> color = CurrentPrompts().GetColor()) {
    field = *color;
    update();
  }
}

void CMyPropertyPage2::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const QFrame* frame : {ch1Frame_, ch2Frame_})
    painter.fillRect(frame->geometry().marginsRemoved(QMargins(1, 1, 1, 1)), Qt::white);
  painter.fillRect(kCh1Swatch, ColorFromColorref(g_settings.ch1Color));
  painter.fillRect(kCh2Swatch, ColorFromColorref(g_settings.ch2Color));
}
