#include "gui/CPlugInManagerDlg.h"

#include "acquisition/PluginSettings.h"
#include "acquisition/SamplingPlugin.h"
#include "app/Globals.h"
#include "app/Prompts.h"
#include "display/COndrixView.h"
#include "gui/CBarTool.h"
#include "gui/CRateCellEdit.h"
#include "gui/DialogFont.h"
#include "gui/DialogUnits.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

CPlugInManagerDlg::CPlugInManagerDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("采样插件设置"));
  setFont(DialogFont());
  setFixedSize(DialogSize(kTemplateBaseUnits, 329, 232));

  useCheck_ = new QCheckBox(tr("使用采样插件进行数据采集。"), this);
  Place(useCheck_, kUseCheck, 7, 7, 120, 10);
  Place(new QLabel(tr("所有插件"), this), 0, 7, 22, 33, 8);
  auto* open = new QPushButton(tr("打开插件"), this);
  Place(open, kOpenButton, 218, 14, 50, 14);
  auto* remove = new QPushButton(tr("删除插件"), this);
  Place(remove, kDeleteButton, 272, 14, 50, 14);

  list_ = new QTreeWidget(this);
  Place(list_, kList, 7, 31, 315, 83);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setAllColumnsShowFocus(true);  // the whole row is the selection
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->header()->setStretchLastSection(false);
  list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  list_->header()->setSectionsMovable(false);

  Place(new QLabel(tr("当前插件"), this), 0, 7, 120, 33, 8);
  pathEdit_ = new QLineEdit(this);
  pathEdit_->setReadOnly(true);
  Place(pathEdit_, kPathEdit, 7, 129, 315, 14);

  // Seven lines in a field of 58 dialog units: spaced 12 px apart as in the
  // template's font, whatever line spacing the CJK font that draws them has.
  const QString help = tr("单击采样率单元格修改采样率。采样值字长为8位或16位。\n"
                          "单位：样/秒\n"
                          "注意：插件为动态链接库，且必须提供如下采样函数两者其中之一\n"
                          "int DllExport Write16BitDataBuf(short *buf,int length);或\n"
                          "int DllExport Write8BitDataBuf(BYTE *buf,int length);\n"
                          "方可使用。用户在编写插件时必须注意参数的取值范围short为–32,768---32,767;BYTE为 0---256");
  help_ = new QLabel(QStringLiteral("<p style=\"-qt-line-height-type:fixed; line-height:%1px\">%2</p>")
                         .arg(kTemplateBaseUnits.y)
                         .arg(help.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"))),
                     this);
  help_->setTextFormat(Qt::RichText);
  help_->setWordWrap(true);
  help_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Place(help_, 0, 7, 148, 315, 58);

  auto* apply = new QPushButton(tr("应用"), this);
  apply->setDefault(true);
  Place(apply, kApplyButton, 218, 211, 50, 14);
  auto* exit = new QPushButton(tr("退出"), this);
  Place(exit, kExitButton, 272, 211, 50, 14);

  connect(open, &QPushButton::clicked, this, &CPlugInManagerDlg::OnOpen);
  connect(remove, &QPushButton::clicked, this, &CPlugInManagerDlg::OnDelete);
  connect(apply, &QPushButton::clicked, this, &CPlugInManagerDlg::OnApply);
  connect(exit, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemClicked, this, &CPlugInManagerDlg::OnListClicked);

  useFlag_ = g_pluginEnabled ? 1 : 0;
  currentPath_ = g_pluginPath;
  // Each column is as wide as its heading in the list's font plus a margin.
  const struct {
    QString heading;
    int margin;
  } columns[] = {{tr("序号"), 15}, {tr("插件名称"), 30}, {tr("采样率[Sps]"), 20}, {tr("文件路径"), 200}};
  QStringList headings;
  for (const auto& c : columns) headings << c.heading;
  list_->setHeaderLabels(headings);
  const QFontMetrics metrics(list_->font());
  for (int i = 0; i < 4; ++i) list_->setColumnWidth(i, metrics.horizontalAdvance(columns[i].heading) + columns[i].margin);
  LoadList();
  ShowMembers();
}

void CPlugInManagerDlg::Place(QWidget* control, int id, int x, int y, int w, int h) {
  control->setGeometry(DialogRect(kTemplateBaseUnits, x, y, w, h));
  if (id == 0) return;
  control->setObjectName(QString::number(id));
  controls_.insert(id, control);
}

int CPlugInManagerDlg::SelectionMark() const {
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.first());
}

void CPlugInManagerDlg::ReadControls() {
  useFlag_ = useCheck_->isChecked() ? 1 : 0;
  currentPath_ = pathEdit_->text();
}

void CPlugInManagerDlg::ShowMembers() {
  useCheck_->setChecked(useFlag_ != 0);
  pathEdit_->setText(currentPath_);
}

// ------------------------------------------------------------------ the list

void CPlugInManagerDlg::AppendRow(const PluginListEntry& entry) {
  const int number = list_->topLevelItemCount() + 1;
  list_->addTopLevelItem(
      new QTreeWidgetItem({QString::number(number), PluginFileName(entry.path), entry.rate, entry.path}));
}

void CPlugInManagerDlg::LoadList() {
  list_->clear();
  listRefusal_.clear();
  for (const PluginListEntry& entry : ReadPluginList(AppFilePath(QStringLiteral("pluslist.l")), &listRefusal_))
    AppendRow(entry);
  if (!listRefusal_.isEmpty()) CurrentPrompts().ShowMessageWithDetail(ListKeptText(), listRefusal_);
}

QString CPlugInManagerDlg::ListKeptText() { return tr("插件列表无法读取，不会改写该文件。"); }

bool CPlugInManagerDlg::SaveList() {
  // What is shown is not what the file holds: writing it would lose the file.
  if (!listRefusal_.isEmpty()) {
    CurrentPrompts().ShowMessageWithDetail(ListKeptText(), listRefusal_);
    return false;
  }
  QList<PluginListEntry> entries;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list_->topLevelItem(i);
    entries.append({item->text(kPathColumn), item->text(kRateColumn)});
  }
  QString error;
  if (WritePluginList(AppFilePath(QStringLiteral("pluslist.l")), entries, &error)) return true;
  CurrentPrompts().ShowMessage(error);
  return false;
}

void CPlugInManagerDlg::SetCellText(int row, int column, const QString& text) {
  if (QTreeWidgetItem* item = list_->topLevelItem(row)) item->setText(column, text);
}

void CPlugInManagerDlg::OnListClicked(QTreeWidgetItem*, int column) {
  if (column == kRateColumn && SelectionMark() >= 0) EditRate(SelectionMark());
}

void CPlugInManagerDlg::EditRate(int row) {
  QTreeWidgetItem* item = list_->topLevelItem(row);
  if (!item) return;
  // The cell's bounds, 3 pixels taller above and below, so the edit's frame
  // does not squeeze its text.
  const QRect cell = list_->visualRect(list_->model()->index(row, kRateColumn)).adjusted(0, -3, 0, 3);
  auto* edit = new CRateCellEdit(row, kRateColumn, item->text(kRateColumn), list_->viewport());
  connect(edit, &CRateCellEdit::committed, this, &CPlugInManagerDlg::SetCellText);
  edit->setGeometry(cell);
  edit->show();
  edit->setFocus();
}

// ------------------------------------------------------------------- buttons

bool CPlugInManagerDlg::LoadPlugin(const QString& path, PluginCall call) {
  QString reason;
  if (g_view && g_view->LoadSamplingPlugin(path, call, &reason)) return true;
  CurrentPrompts().ShowMessageWithDetail(tr("插件不可用，或不符合本软件标准！"), reason);
  return false;
}

bool CPlugInManagerDlg::RefusedWhileRecording() {
  if (g_recordState != Recording) return false;
  CurrentPrompts().ShowMessage(tr("正在录制信号：请先停止录制，再打开或应用插件。"));
  return true;
}

void CPlugInManagerDlg::OnOpen() {
  if (RefusedWhileRecording()) return;
  const QString path = CurrentPrompts().GetOpenFileName(tr("插件文件(*.so)"));
  if (path.isEmpty()) return;
  ReadControls();
  currentPath_ = path;
  // A path with a line break could not be kept in the list file, one line per path.
  if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'))) {
    CurrentPrompts().ShowMessageWithDetail(tr("插件不可用，或不符合本软件标准！"),
                                           tr("路径中含有换行符，无法记入插件列表"));
  } else if (LoadPlugin(path, PluginCall::Open)) {
    AppendRow({path, QStringLiteral("0")});
    CurrentPrompts().ShowMessage(tr("插件已打开！"));
  }
  ShowMembers();
}

void CPlugInManagerDlg::OnDelete() {
  const int row = SelectionMark();
  if (row < 0) {
    CurrentPrompts().ShowMessage(tr("未选中任何插件！"));
    return;
  }
  // Deleting is rewriting the list file, which could not be read.
  if (!listRefusal_.isEmpty()) {
    CurrentPrompts().ShowMessageWithDetail(ListKeptText(), listRefusal_);
    return;
  }
  delete list_->takeTopLevelItem(row);
  SaveList();
  LoadList();  // numbers the rows afresh
}

void CPlugInManagerDlg::OnApply() {
  if (RefusedWhileRecording()) return;
  ReadControls();
  const QString plusIni = AppFilePath(QStringLiteral("plus.ini"));
  QString error;

  if (!useFlag_) {
    const bool fromPlugin = g_pluginEnabled != 0;
    if (g_view) g_view->UseSoundCardInput();
    g_pluginEnabled = 0;
    if (!WritePluginSettings(plusIni, false, std::nullopt, &error)) CurrentPrompts().ShowMessage(error);
    // The card's rate replaces the plug-in's in setting.ini as well, so the
    // next start opens the card at it.
    if (fromPlugin && !SaveSettingsRecord(AppFilePath(QStringLiteral("setting.ini")), g_settings, &error))
      CurrentPrompts().ShowMessage(error);
    if (g_controlPanel) {
      g_controlPanel->EnableSampleRateSlider(true);
      g_controlPanel->SyncSampleRateSlider();
    }
    return;
  }

  const int row = SelectionMark();
  if (row < 0) {
    CurrentPrompts().ShowMessage(tr("未选中插件！"));
    return;
  }
  const QTreeWidgetItem* item = list_->topLevelItem(row);
  const QString path = item->text(kPathColumn);
  if (!LoadPlugin(path, PluginCall::Apply)) return;
  currentPath_ = path;
  const int32_t rate = ParseRateText(item->text(kRateColumn));
  if (rate <= 0) {
    CurrentPrompts().ShowMessage(tr("采样率未设置！"));
    return;
  }

  g_view->UsePluginInput(currentPath_, rate);  // LoadPlugin found the view

  if (!WritePluginSettings(plusIni, true, g_pluginPath, &error)) CurrentPrompts().ShowMessage(error);
  if (!SaveSettingsRecord(AppFilePath(QStringLiteral("setting.ini")), g_settings, &error))
    CurrentPrompts().ShowMessage(error);
  SaveList();
  if (g_controlPanel) {
    g_controlPanel->EnableSampleRateSlider(false);
    g_controlPanel->SyncSampleRateSlider();  // shows the plug-in's rate
  }
  ShowMembers();  // the current-path field names the plug-in now in use
}
