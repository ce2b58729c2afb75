#include "gui/CMyPropertyPage5.h"

#include "acquisition/AudioDevices.h"
#include "app/Globals.h"
#include "app/Prompts.h"
#include "display/COndrixView.h"

#include <QComboBox>

namespace {

// How long opening the page waits for the sound server's lists.
constexpr int kListWaitMs = 1000;

// Fills `list` with the default, the devices, and `wanted` when it is not
// among them; selects `wanted`.
void FillList(QComboBox* list, const QList<AudioDevice>& devices, const QByteArray& wanted) {
  list->clear();
  list->addItem(CMyPropertyPage5::tr("(默认设备)"), QByteArray());
  for (const AudioDevice& d : devices) list->addItem(d.description, d.id);
  if (!wanted.isEmpty() && !FindAudioDevice(devices, wanted))
    list->addItem(CMyPropertyPage5::tr("%1（不在）").arg(QString::fromUtf8(wanted)), wanted);
  list->setCurrentIndex(list->findData(wanted));
}

}  // namespace

CMyPropertyPage5::CMyPropertyPage5(QWidget* parent) : PropertyPage(parent) {
  input_ = AddList(kInputDevice, tr("输入设备:"), 12);
  output_ = AddList(kOutputDevice, tr("输出设备:"), 36);
  if (g_view) {
    devices_ = &g_view->Devices();
    devices_->WaitForLists(kListWaitMs);
    stored_ = g_view->StoredDeviceChoice();
    connect(devices_, &AudioDevices::Changed, this, &CMyPropertyPage5::Fill);
  }
  FillList(input_, devices_ ? devices_->Inputs() : QList<AudioDevice>(), stored_.input);
  FillList(output_, devices_ ? devices_->Outputs() : QList<AudioDevice>(), stored_.output);
  // A recording keeps its input: blocks of two devices would make one file.
  input_->setEnabled(g_recordState != Recording);
}

QComboBox* CMyPropertyPage5::AddList(int id, const QString& label, int y) {
  AddLabel(label, 8, y, 44, 14);
  auto* list = new QComboBox(this);
  // Long device names are shown whole in the open list; the closed one
  // keeps the page's width.
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(12);
  Place(list, id, 54, y, 122, 14);
  return list;
}

QComboBox* CMyPropertyPage5::List(int id) const { return qobject_cast<QComboBox*>(Control(id)); }

AudioDeviceChoice CMyPropertyPage5::Selected() const {
  return {input_->currentData().toByteArray(), output_->currentData().toByteArray()};
}

void CMyPropertyPage5::Fill() {
  const AudioDeviceChoice shown = Selected();
  FillList(input_, devices_->Inputs(), shown.input);
  FillList(output_, devices_->Outputs(), shown.output);
}

void CMyPropertyPage5::Apply() {
  const AudioDeviceChoice choice = Selected();
  if (!g_view || choice == stored_) return;
  // The devices are used even when they cannot be saved for the next start.
  QString error;
  if (!WriteAudioDeviceChoice(AppFilePath(QString::fromLatin1(kAudioDeviceFile)), choice, &error))
    CurrentPrompts().ShowMessage(error);
  g_view->UseAudioDevices(choice);
  stored_ = choice;
}
