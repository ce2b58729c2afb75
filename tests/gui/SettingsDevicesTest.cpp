// The settings sheet's page "其他": the sound card's devices, listed as the
// view's device lists have them, taken and saved on OK only.

#include "support/TestApplication.h"
#include "app/AudioDeviceChoice.h"
#include "app/Globals.h"
#include "display/COndrixView.h"
#include "gui/CMyPropertyPage5.h"
#include "gui/CMyPropertySheet.h"
#include "support/FakeAudioDevices.h"
#include "support/ViewOnFakes.h"
#include "support/RecordingPrompts.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

class SettingsDevices : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  SettingsDevices() {
    ResetGlobals();
    g_appDir = dir.path();
    view = MakeViewOnFakes(&input, &output);
    devices.inputs = {{"pci_in", "Built-in Audio Analog Stereo"}};
    devices.outputs = {{"pci_out", "Built-in Audio Analog Stereo"}, {"usb_out", "Bench USB Interface"}};
    view->SetAudioDevices(&devices);
  }
  ~SettingsDevices() override {
    view.reset();
    ResetGlobals();
  }
  QByteArray SavedFile() const {
    QFile file(dir.filePath(kAudioDeviceFile));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
  }

  QTemporaryDir dir;
  RecordingPrompts prompts;
  FakeAudioDevices devices;
  FakeAudioInput* input = nullptr;
  FakeAudioOutput* output = nullptr;
  std::unique_ptr<COndrixView> view;
};

TEST_F(SettingsDevices, TheListsStartWithTheDefaultAndShowAChosenDeviceThatIsNotThere) {
  ASSERT_TRUE(WriteAudioDeviceChoice(dir.filePath(kAudioDeviceFile), {"usb_in", "usb_out"}, nullptr));
  view->OnInitialUpdate();
  CMyPropertySheet sheet;
  auto* page = sheet.Page5();
  QComboBox* in = page->List(CMyPropertyPage5::kInputDevice);
  QComboBox* out = page->List(CMyPropertyPage5::kOutputDevice);
  EXPECT_EQ(Items(in), QStringList({"(默认设备)", "Built-in Audio Analog Stereo", "usb_in（不在）"}));
  EXPECT_EQ(in->currentText(), "usb_in（不在）");
  EXPECT_EQ(Items(out), QStringList({"(默认设备)", "Built-in Audio Analog Stereo", "Bench USB Interface"}));
  EXPECT_EQ(out->currentText(), "Bench USB Interface");

  // Plugged in while the page is open; what each list names stays.
  devices.Plug(devices.inputs, {"usb_in", "Bench USB Interface"});
  EXPECT_EQ(Items(in), QStringList({"(默认设备)", "Built-in Audio Analog Stereo", "Bench USB Interface"}));
  EXPECT_EQ(in->currentText(), "Bench USB Interface");
  devices.Unplug(devices.outputs, "usb_out");
  EXPECT_EQ(out->currentText(), "usb_out（不在）");
}

TEST_F(SettingsDevices, OkUsesAndSavesTheChoiceAndCancelChangesNothing) {
  view->OnInitialUpdate();
  {
    CMyPropertySheet sheet;
    sheet.Page5()->List(CMyPropertyPage5::kOutputDevice)->setCurrentIndex(2);
    sheet.Page5()->List(CMyPropertyPage5::kInputDevice)->setCurrentIndex(1);
    QTimer::singleShot(0, sheet.CancelButton(), &QPushButton::click);
    sheet.exec();
  }
  EXPECT_EQ(SavedFile(), "<none>");
  EXPECT_TRUE(output->device.isEmpty());

  CMyPropertySheet sheet;
  sheet.Page5()->List(CMyPropertyPage5::kOutputDevice)->setCurrentIndex(2);
  QTimer::singleShot(0, sheet.OkButton(), &QPushButton::click);
  sheet.exec();
  EXPECT_EQ(SavedFile(), "[devices]\ninput=\noutput=usb_out\n");
  EXPECT_EQ(output->device, "usb_out");
  EXPECT_TRUE(input->device.isEmpty());
  EXPECT_EQ(view->StoredDeviceChoice(), (AudioDeviceChoice{"", "usb_out"}));
  EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(SettingsDevices, TheInputCannotChangeWhileRecording) {
  view->OnInitialUpdate();
  g_recordState = Recording;
  CMyPropertySheet sheet;
  EXPECT_FALSE(sheet.Page5()->List(CMyPropertyPage5::kInputDevice)->isEnabled());
  EXPECT_TRUE(sheet.Page5()->List(CMyPropertyPage5::kOutputDevice)->isEnabled());
}

}  // namespace
