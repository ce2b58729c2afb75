#include "gui/CMyPropertyPage1.h"

#include "app/Globals.h"

#include <QComboBox>

namespace {

const QStringList kRates = {"8000",  "11025", "16000", "22050", "32000", "44100",
                            "48000", "64000", "88200", "96000", "192000"};

}  // namespace

CMyPropertyPage1::CMyPropertyPage1(QWidget* parent) : PropertyPage(parent) {
  AddLabel(tr("通道数:"), 24, 14, 40, 14);
  AddLabel(tr("采样率:"), 24, 38, 40, 14);
  AddLabel(tr("数据位:"), 24, 62, 40, 14);
  channels_ = AddList(kChannels, {"1", "2"}, 14);
  sampleRate_ = AddList(kSampleRate, kRates, 38);
  bits_ = AddList(kBits, {"8", "16"}, 62);

  // A value that is not in its list leaves the list without a selection
  // (a rate set with the control panel's slider, say) and is kept unless the
  // user picks another.
  channels_->setCurrentIndex(g_settings.channels == 1 ? 0 : g_settings.channels == 2 ? 1 : -1);
  sampleRate_->setCurrentIndex(kRates.indexOf(QString::number(g_settings.sampleRate)));
  bits_->setCurrentIndex(g_settings.bitsPerSample == 8 ? 0 : g_settings.bitsPerSample == 16 ? 1 : -1);

  connect(channels_, &QComboBox::activated, this,
          [this](int index) { g_settings.channels = static_cast<uint16_t>(channels_->itemText(index).toInt()); });
  connect(sampleRate_, &QComboBox::activated, this,
          [this](int index) { g_settings.sampleRate = sampleRate_->itemText(index).toInt(); });
  connect(bits_, &QComboBox::activated, this, [](int index) { g_settings.bitsPerSample = index == 0 ? 8 : 16; });

  // While a recording runs its format must not change: blocks of two formats
  // in one recording could not be written as one WAV file.
  for (QComboBox* list : {channels_, sampleRate_, bits_}) list->setEnabled(g_recordState != Recording);
}

QComboBox* CMyPropertyPage1::AddList(int id, const QStringList& items, int y) {
  auto* list = new QComboBox(this);
  list->addItems(items);
  list->setMaxVisibleItems(items.size());
  Place(list, id, 68, y, 70, 14);
  return list;
}

QComboBox* CMyPropertyPage1::List(int id) const { return qobject_cast<QComboBox*>(Control(id)); }
