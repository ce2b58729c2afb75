// Recordings that a program left unsaved when it ended, offered back at the
// next start.

#include "acquisition/LeftSpool.h"
#include "app/Globals.h"
#include "app/Prompts.h"
#include "gui/CMainFrame.h"

#include <QDir>

void CMainFrame::OfferLeftRecordings() {
  if (g_appDir.isEmpty()) return;  // no runtime folder, no spools
  for (const std::unique_ptr<LeftSpool>& spool : LeftSpool::Claim(g_appDir)) {
    const QString name = QDir::toNativeSeparators(spool->Path());
    QString reason;
    if (!spool->Check(&reason)) {
      CurrentPrompts().ShowMessage(tr("上次运行留下的录音 %1 无法读取：%2。文件留在原处。").arg(name, reason));
      continue;
    }
    const WaveFormat& format = spool->Format();
    const QString question =
        tr("上次运行结束时，有一段录音没有保存（%1 秒，%2 Hz，%3 位，%4 声道）。要保存为 WAV 文件吗？\n"
           "选“取消”则留到下次启动时再问。")
            .arg(double(spool->DataBytes()) / format.avgBytesPerSec, 0, 'f', 1)
            .arg(format.samplesPerSec)
            .arg(format.bitsPerSample)
            .arg(format.channels);
    const Prompts::SaveChoice choice = CurrentPrompts().AskSaveRecording(question);
    if (choice == Prompts::SaveChoice::Cancel) continue;
    // The spool is kept until the WAV file is written.
    if (choice == Prompts::SaveChoice::Save && !SaveUntilDone([&](const QString& path) {
          QString error;
          if (spool->SaveAsWav(path, &error)) return true;
          CurrentPrompts().ShowMessage(error + QStringLiteral("\n\n") + tr("录音没有保存，暂存文件还在。请另选一个位置保存。"));
          return false;
        }))
      continue;
    if (!spool->Remove(&reason))
      CurrentPrompts().ShowMessage(tr("无法删除录音暂存文件 %1：%2").arg(name, reason));
  }
}
