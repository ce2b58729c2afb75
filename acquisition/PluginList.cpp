#include "acquisition/PluginList.h"

#include "settings/OutputFile.h"
#include "settings/SmallFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

QList<PluginListEntry> ReadPluginList(const QString& path, QString* refusal) {
  QByteArray content;
  QString reason;
  if (ReadSmallFile(path, kPluginListLimit, &content, &reason) != SmallFileStatus::Fits) {
    if (refusal && !reason.isEmpty()) *refusal = QCoreApplication::translate("PluginList", "未读取 %1：%2").arg(path, reason);
    return {};
  }

  QList<QByteArray> lines = content.split('\n');
  if (lines.last().isEmpty()) lines.removeLast();  // what follows the last line end is no line
  QList<PluginListEntry> entries;
  for (qsizetype i = 0; i < lines.size(); i += 2) {
    auto text = [&](qsizetype n) {
      if (n >= lines.size()) return QString();
      QByteArray line = lines[n];
      if (line.endsWith('\r')) line.chop(1);
      return QString::fromUtf8(line);
    };
    entries.append({text(i), text(i + 1)});
  }
  return entries;
}

bool WritePluginList(const QString& path, const QList<PluginListEntry>& entries, QString* error) {
  QByteArray content;
  for (const PluginListEntry& e : entries) content += e.path.toUtf8() + "\r\n" + e.rate.toUtf8() + "\r\n";
  QString reason;
  // Written as it is, a pipe would hold the program until someone reads it.
  if (CheckSmallFile(path, std::numeric_limits<qint64>::max(), &reason) != SmallFileStatus::Refused &&
      WriteOutputFile(path, content, {}, &reason))
    return true;
  if (error) *error = QCoreApplication::translate("PluginList", "无法写入文件 %1：%2").arg(path, reason);
  return false;
}

QString PluginFileName(const QString& path) {
  const qsizetype separator = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
  return path.mid(separator + 1);
}

int32_t ParseRateText(const QString& text) {
  qsizetype i = 0;
  auto isBlank = [](QChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; };
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = std::min(value * 10 + (text[i].unicode() - '0'), kLimit);
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}
