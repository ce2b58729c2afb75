#include "settings/InputFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

QString NonRegularFileReason(const QString& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(QFileInfo(path).filesystemFilePath(), error);
  if (!fs::exists(status) || fs::is_regular_file(status)) return {};
  if (fs::is_directory(status)) return QCoreApplication::translate("InputFile", "是文件夹，不是文件");
  if (fs::is_character_file(status) || fs::is_block_file(status))
    return QCoreApplication::translate("InputFile", "是设备，不是普通文件");
  if (fs::is_fifo(status)) return QCoreApplication::translate("InputFile", "是命名管道，不是普通文件");
  return QCoreApplication::translate("InputFile", "不是普通文件");
}
