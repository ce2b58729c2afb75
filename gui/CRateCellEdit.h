#pragma once

#include <QLineEdit>

// The in-place editor of a sample-rate cell of the plug-in manager's list: a
// bordered single-line edit (control id 9) placed over the cell as a child of
// the list, in 9-point "Times New Roman". When it loses the focus it reports
// its text for the cell it edits and removes itself. Enter does the same
// without pressing the dialog's default button; Escape drops the edit.
class CRateCellEdit : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr int kId = 9;
  static constexpr int kMaxLength = 49;

  CRateCellEdit(int row, int column, const QString& text, QWidget* parent);

  int Row() const { return row_; }
  int Column() const { return column_; }

 signals:
  void committed(int row, int column, const QString& text);

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Finish(bool keepText);

  int row_;
  int column_;
  bool finished_ = false;
};
