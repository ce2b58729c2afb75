#include "settings/RecordRepairs.h"

#include <QCoreApplication>

QString RepairStatusText(const QString& fileName, const RecordRepairs& repairs) {
  QStringList what;
  if (!repairs.unreadable.isEmpty()) {
    what << QCoreApplication::translate("RecordRepairs", "无法读取（%1），设置全部取默认值").arg(repairs.unreadable);
  }
  if (repairs.shortFileBytes >= 0) {
    what << QCoreApplication::translate("RecordRepairs", "文件只有 %1 字节（应为 %2 字节），缺少的设置取默认值")
                .arg(repairs.shortFileBytes)
                .arg(repairs.recordBytes);
  }
  if (repairs.longFileBytes >= 0) {
    what << QCoreApplication::translate("RecordRepairs", "文件有 %1 字节（应为 %2 字节），只读取了前 %2 字节")
                .arg(repairs.longFileBytes)
                .arg(repairs.recordBytes);
  }
  if (!repairs.outOfRange.isEmpty()) {
    what << QCoreApplication::translate("RecordRepairs", "超出范围的 %1 已恢复为默认值")
                .arg(repairs.outOfRange.join(QCoreApplication::translate("RecordRepairs", "、")));
  }
  const QString separator = QCoreApplication::translate("RecordRepairs", "；");
  return QCoreApplication::translate("RecordRepairs", "%1 已修复：%2").arg(fileName, what.join(separator));
}
