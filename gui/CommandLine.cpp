#include "gui/CommandLine.h"

#include "app/Language.h"
#include "app/Version.h"

#include <QCoreApplication>
#include <QFileInfo>

CommandLine ParseCommandLine(QStringList args) {
  CommandLine line;
  line.language = TakeLanguageOption(args, &line.error);
  line.noPlugin = TakeFlag(args, QStringLiteral("--no-plugin"));
  line.help = TakeFlag(args, QStringLiteral("--help"));
  line.version = TakeFlag(args, QStringLiteral("--version"));
  line.rest = args;
  return line;
}

QString FileToOpen(const QStringList& rest, QString* error) {
  QStringList files;
  for (const QString& arg : rest) {
    // "-" alone is a file name; a file that starts with a dash is "./-name".
    if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
      *error = QCoreApplication::translate("CommandLine", "未知选项 %1（ondrix --help 列出选项）").arg(arg);
      return {};
    }
    files << arg;
  }
  if (files.size() > 1) {
    *error = QCoreApplication::translate("CommandLine", "一次只能打开一个文件，给出了 %1 个").arg(files.size());
    return {};
  }
  return files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();
}

QString HelpText() {
  return QCoreApplication::translate("CommandLine",
                                     "用法: ondrix [选项]... [FILE.wav]\n"
                                     "Orvanta：把电脑声卡变成双通道测量台（示波器、频谱分析、函数信号发生器、\n"
                                     "WAV 录音）。\n"
                                     "\n"
                                     "选项:\n"
                                     "  --lang en|zh   界面语言：英文或中文（默认随系统语言）\n"
                                     "  --no-plugin    用声卡采样，不管采样插件设置如何\n"
                                     "  --help         显示本帮助并退出\n"
                                     "  --version      显示版本信息并退出\n"
                                     "\n"
                                     "给出 FILE.wav 时，窗口出现后像“文件”菜单的“打开”命令那样打开它。\n"
                                     "Qt 自己的选项（-platform、-style 等）也可使用。\n");
}

QString VersionText() {
  return VersionAnswer("ondrix");
}
