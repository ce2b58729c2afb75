#include "gui/CAboutDialog.h"

#include "app/Version.h"
#include "gui/DialogFont.h"
#include "gui/DialogUnits.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("关于 Ondrix"));
  setFont(DialogFont());
  const DialogBaseUnits units = kTemplateBaseUnits;
  setFixedSize(DialogSize(units, 235, 92));

  // A static icon takes the size of a large icon, 32 x 32.
  icon_ = new QLabel(this);
  const QPixmap pixmap(QStringLiteral(":/res/ondrix.png"));
  const QRect iconRect = DialogRect(units, 11, 17, 0, 0);
  icon_->setGeometry(iconRect.x(), iconRect.y(), 32, 32);
  if (!pixmap.isNull()) icon_->setPixmap(pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));

  line1_ = new QLabel(this);
  line1_->setGeometry(DialogRect(units, 40, 11, 119, 8));
  line2_ = new QLabel(this);
  line2_->setGeometry(DialogRect(units, 40, 26, 119, 8));

  ok_ = new QPushButton(tr("确定"), this);
  ok_->setGeometry(DialogRect(units, 178, 7, 50, 14));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

QList<CAboutDialog::PaintedLine> CAboutDialog::PaintedLines() {
  return {
      {17, tr("Orvanta 声卡双通道测量台 版本 %1").arg(QLatin1String(kOndrixVersion))},
      {40, QLatin1String(kOndrixCopyright)},
      {55, tr("把电脑声卡变成双通道测量台：")},
      {70, tr("示波、频谱分析、函数信号发生。")},
      {85, tr("测量结果仅供参考。")},
      {100, tr("联系我们：帮助菜单中的 Lumora 主页")},
  };
}

void CAboutDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  painter.setFont(DialogFont());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const PaintedLine& line : PaintedLines())
    painter.drawText(QRect(kPaintedX, line.y, width() - kPaintedX, height() - line.y),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line.text);
}
