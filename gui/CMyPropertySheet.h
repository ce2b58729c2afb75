#pragma once

#include <QDialog>

class CMyPropertyPage1;
class CMyPropertyPage2;
class CMyPropertyPage3;
class CMyPropertyPage4;
class CMyPropertyPage5;
class QPushButton;
class QTabWidget;

// The settings sheet: the five pages on tabs, page 1 in front, with OK and
// Cancel. The pages write g_settings as the user edits, so the display
// follows every change at once; whoever runs the sheet keeps a copy of the
// record to put back on Cancel.
class CMyPropertySheet : public QDialog {
  Q_OBJECT

 public:
  explicit CMyPropertySheet(QWidget* parent = nullptr);

  QTabWidget* Tabs() const { return tabs_; }
  CMyPropertyPage1* Page1() const { return page1_; }
  CMyPropertyPage2* Page2() const { return page2_; }
  CMyPropertyPage3* Page3() const { return page3_; }
  CMyPropertyPage4* Page4() const { return page4_; }
  CMyPropertyPage5* Page5() const { return page5_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  QTabWidget* tabs_;
  CMyPropertyPage1* page1_;
  CMyPropertyPage2* page2_;
  CMyPropertyPage3* page3_;
  CMyPropertyPage4* page4_;
  CMyPropertyPage5* page5_;
  QPushButton* ok_;
  QPushButton* cancel_;
};
