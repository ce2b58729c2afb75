#include "settings/InputFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

FileKind KindOfFile(const QString& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(QFileInfo(path).filesystemFilePath(), error);
  if (!fs::exists(status)) return FileKind::Missing;
  if (fs::is_regular_file(status)) return FileKind::Regular;
  if (fs::is_directory(status)) return FileKind::Folder;
  if (fs::is_character_file(status) || fs::is_block_file(status)) return FileKind::Device;
  if (fs::is_fifo(status)) return FileKind::Pipe;
  return FileKind::Other;
}

QString NonRegularFileReason(const QString& path) {
  switch (KindOfFile(path)) {
    case FileKind::Missing:
    case FileKind::Regular:
      return {};
    case FileKind::Folder:
      return QCoreApplication::translate("InputFile", "是文件夹，不是文件");
    case FileKind::Device:
      return QCoreApplication::translate("InputFile", "是设备，不是普通文件");
    case FileKind::Pipe:
      return QCoreApplication::translate("InputFile", "是命名管道，不是普通文件");
    case FileKind::Other:
      break;
  }
  return QCoreApplication::translate("InputFile", "不是普通文件");
}
