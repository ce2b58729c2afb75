#include "gui/CMyPropertySheet.h"

#include "gui/CMyPropertyPage1.h"
#include "gui/CMyPropertyPage2.h"
#include "gui/CMyPropertyPage3.h"
#include "gui/CMyPropertyPage4.h"
#include "gui/CMyPropertyPage5.h"
#include "gui/DialogFont.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CMyPropertySheet::CMyPropertySheet(QWidget* parent) : QDialog(parent) {
  setFont(DialogFont());
  tabs_ = new QTabWidget;
  // Every tab stays in sight: the sheet grows wider than its pages when the
  // titles need it, rather than scrolling tabs out of view.
  tabs_->setUsesScrollButtons(false);
  tabs_->setElideMode(Qt::ElideNone);
  page1_ = new CMyPropertyPage1;
  page2_ = new CMyPropertyPage2;
  page3_ = new CMyPropertyPage3;
  page4_ = new CMyPropertyPage4;
  page5_ = new CMyPropertyPage5;
  tabs_->addTab(page1_, tr("采样参数"));
  tabs_->addTab(page2_, tr("曲线颜色"));
  tabs_->addTab(page3_, tr("坐标系"));
  tabs_->addTab(page4_, tr("逻辑电平校准"));
  tabs_->addTab(page5_, tr("其他"));
  tabs_->setCurrentIndex(0);

  // OK and Cancel only: every change is live already, so there is nothing to apply.
  auto* buttons = new QDialogButtonBox;
  ok_ = buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  // The devices of page "其他" are taken on OK only, before the input reopens.
  connect(this, &QDialog::accepted, page5_, &CMyPropertyPage5::Apply);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
}
