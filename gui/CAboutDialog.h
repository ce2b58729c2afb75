#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QPushButton;

// The About box (dialog template 100, 235 x 92 dialog units): the program
// icon, two static lines, an OK button, and six lines it paints itself at
// x = 60 on every paint. In the template's own font the static lines fall on
// (60, 17) and (60, 39), the places of the first two painted lines, so they
// are left empty: text in both would print one line over the other.
class CAboutDialog : public QDialog {
  Q_OBJECT

 public:
  struct PaintedLine {
    int y;  // top of the text, client pixels
    QString text;
  };
  static constexpr int kPaintedX = 60;

  explicit CAboutDialog(QWidget* parent = nullptr);

  // The product name and version at y = 17, then five lines of the maker's
  // notice and contact details at y = 40, 55, 70, 85 and 100.
  static QList<PaintedLine> PaintedLines();
  QLabel* IconLabel() const { return icon_; }
  QLabel* StaticLine(int index) const { return index == 0 ? line1_ : line2_; }
  QPushButton* OkButton() const { return ok_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* icon_;
  QLabel* line1_;
  QLabel* line2_;
  QPushButton* ok_;
};
