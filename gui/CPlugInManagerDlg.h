#pragma once

#include "acquisition/PluginList.h"
#include "acquisition/PluginStartGuard.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The sampling plug-in manager (dialog template 140, 329 x 232 dialog units,
// "采样插件设置"): the list of known plug-ins (pluslist.l) with their sample
// rates, the plug-in in use, and the switch between plug-in and sound card
// (plus.ini). Rates are edited in place by clicking their cell.
class CPlugInManagerDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kUseCheck = 1001;
  static constexpr int kOpenButton = 1053;
  static constexpr int kPathEdit = 1054;
  static constexpr int kList = 1056;
  static constexpr int kDeleteButton = 1057;
  static constexpr int kApplyButton = 1;
  static constexpr int kExitButton = 2;
  // List columns.
  static constexpr int kNumberColumn = 0;
  static constexpr int kNameColumn = 1;
  static constexpr int kRateColumn = 2;
  static constexpr int kPathColumn = 3;

  explicit CPlugInManagerDlg(QWidget* parent = nullptr);

  // The control with that id (1001, 1053, 1054, 1056, 1057, 1, 2), else nullptr.
  QWidget* Control(int id) const { return controls_.value(id); }
  QTreeWidget* List() const { return list_; }
  QCheckBox* UseCheck() const { return useCheck_; }
  QLineEdit* PathEdit() const { return pathEdit_; }
  QLabel* HelpText() const { return help_; }
  // The selected row, -1 when none is.
  int SelectionMark() const;

  // Button handlers.
  void OnOpen();
  void OnDelete();
  void OnApply();
  // Opens the rate editor over row `row`'s rate cell.
  void EditRate(int row);
  // The rate editor's way back into the list.
  void SetCellText(int row, int column, const QString& text);

 private:
  void Place(QWidget* control, int id, int x, int y, int w, int h);
  void OnListClicked(QTreeWidgetItem* item, int column);
  void AppendRow(const PluginListEntry& entry);
  // A list file that cannot be read is told, and then never written while
  // the manager is open.
  void LoadList();
  bool SaveList();
  static QString ListKeptText();
  // Opening a library calls into it (a crash would take the recording in
  // memory with it) and applying switches the input: while recording, the
  // user is told to stop first.
  bool RefusedWhileRecording();
  // Binds the plug-in; a refusal is told with the loader's reason.
  bool LoadPlugin(const QString& path, PluginCall call);
  // The members to and from the check box and the current-path edit.
  void ReadControls();
  void ShowMembers();

  QHash<int, QWidget*> controls_;
  QCheckBox* useCheck_;
  QTreeWidget* list_;
  QLineEdit* pathEdit_;
  QLabel* help_;
  int useFlag_ = 0;
  QString currentPath_;
  QString listRefusal_;  // why pluslist.l was not read; empty when it was
};
