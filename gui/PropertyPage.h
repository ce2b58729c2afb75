#pragma once

#include "gui/DialogUnits.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QLineEdit;

// One page of the settings sheet: a form of 183 x 94 dialog units in the
// templates' font, whose controls are placed in dialog units and found by
// their control id. It also reads numbers out of its edits the way a dialog
// does, telling the user when the text holds none.
class PropertyPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidthDu = 183;
  static constexpr int kHeightDu = 94;

  explicit PropertyPage(QWidget* parent = nullptr);

  // The control with that id, nullptr for an unknown id.
  QWidget* Control(int id) const { return controls_.value(id); }

 protected:
  // Puts `control` at the dialog-unit rectangle and files it under `id`.
  void Place(QWidget* control, int id, int x, int y, int w, int h);
  // A static text at the dialog-unit rectangle, centred vertically in it.
  QLabel* AddLabel(const QString& text, int x, int y, int w, int h, Qt::Alignment align = Qt::AlignLeft);
  QRect PixelRect(int x, int y, int w, int h) const;

  // Reads the edit's text into `member`. Text that holds no integer
  // (respectively no number) tells the user so and leaves `member` alone.
  bool ReadInt(const QLineEdit* edit, int& member);
  bool ReadFloat(const QLineEdit* edit, float& member);

 private:
  QHash<int, QWidget*> controls_;
};
