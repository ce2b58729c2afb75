#include "app/AudioDeviceChoice.h"

#include "settings/OutputFile.h"
#include "settings/SmallFile.h"

#include <QCoreApplication>
#include <QFileInfo>

AudioDeviceChoice ParseAudioDeviceChoice(const QByteArray& text) {
  AudioDeviceChoice choice;
  for (QByteArray line : text.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if (line.startsWith("input="))
      choice.input = line.mid(6).trimmed();
    else if (line.startsWith("output="))
      choice.output = line.mid(7).trimmed();
  }
  return choice;
}

QByteArray FormatAudioDeviceChoice(const AudioDeviceChoice& choice) {
  return "[devices]\ninput=" + choice.input + "\noutput=" + choice.output + "\n";
}

AudioDeviceChoice ReadAudioDeviceChoice(const QString& path, QString* problem) {
  QByteArray text;
  QString why;
  if (ReadSmallFile(path, kAudioDeviceFileMaxBytes, &text, &why) == SmallFileStatus::Refused) {
    if (problem)
      *problem = QCoreApplication::translate("AudioDeviceChoice", "%1 未读取：%2").arg(QFileInfo(path).fileName(), why);
    return {};
  }
  return ParseAudioDeviceChoice(text);
}

bool WriteAudioDeviceChoice(const QString& path, const AudioDeviceChoice& choice, QString* error) {
  for (const QByteArray* id : {&choice.input, &choice.output}) {
    if (id->contains('\n') || id->contains('\r')) {
      if (error) *error = QCoreApplication::translate("AudioDeviceChoice", "设备名称含有换行，无法保存：%1").arg(QString::fromUtf8(*id));
      return false;
    }
  }
  QString reason;
  if (WriteOutputFile(path, FormatAudioDeviceChoice(choice), {}, &reason)) return true;
  if (error) *error = QCoreApplication::translate("AudioDeviceChoice", "无法写入文件 %1：%2").arg(path, reason);
  return false;
}
