#pragma once

#include <QString>
#include <QStringList>

// What loading setting.ini or wavedata.ini had to mend so the instrument
// works. The file itself is left as it is: the mended record reaches it only
// when the user next saves.
struct RecordRepairs {
  // The size of the whole record, in bytes.
  qsizetype recordBytes = 0;
  // Why the file could not be read at all (a folder, a named pipe, a device,
  // a link to nothing, an error): every field took its default. Else empty.
  QString unreadable;
  // The file's size when it was shorter than the record (the fields it does
  // not hold whole took their defaults), else -1.
  qint64 shortFileBytes = -1;
  // The file's size when it was longer than the record (only the record's
  // bytes were read), else -1.
  qint64 longFileBytes = -1;
  // The fields whose stored values were out of range, replaced by their defaults.
  QStringList outOfRange;

  bool Any() const {
    return !unreadable.isEmpty() || shortFileBytes >= 0 || longFileBytes >= 0 || !outOfRange.isEmpty();
  }
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
