#pragma once

#include <QString>
#include <QStringList>

// What loading setting.ini or wavedata.ini had to mend so the instrument
// works. The file itself is left as it is: the mended record reaches it only
// when the user next saves.
struct RecordRepairs {
  // The size of the whole record, in bytes.
  qsizetype recordBytes = 0;
  // The file's size when it was shorter than the record (the fields it does
  // not hold whole took their defaults), else -1.
  qint64 shortFileBytes = -1;
  // The fields whose stored values were out of range, replaced by their defaults.
  QStringList outOfRange;

  bool Any() const { return shortFileBytes >= 0 || !outOfRange.isEmpty(); }
};

// The status line's note that `fileName` was repaired, and how.
QString RepairStatusText(const QString& fileName, const RecordRepairs& repairs);

// Puts `defaultValue` into `field` and adds `name` to `repaired` unless the
// stored value is `inRange`.
template <typename Field>
void RepairField(QStringList& repaired, bool inRange, Field& field, Field defaultValue, const char* name) {
  if (inRange) return;
  field = defaultValue;
  repaired << QLatin1String(name);
}
