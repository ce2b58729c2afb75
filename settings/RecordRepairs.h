#pragma once

#include <QString>
#include <QStringList>

// What loading setting.ini or wavedata.ini had to mend so the instrument
// works. The file itself is left as it is: the mended record reaches it only
// when the user next saves.
struct RecordRepairs {
  // The file's size when it was shorter than the record (the fields it does
  // not hold whole took their defaults), else -1.
  qint64 shortFileBytes = -1;
  // The fields whose stored values were out of range, replaced by their defaults.
  QStringList outOfRange;

  bool Any() const { return shortFileBytes >= 0 || !outOfRange.isEmpty(); }
};

// The status line's note that `fileName` (a record of `recordBytes` bytes)
// was repaired, and how.
QString RepairStatusText(const QString& fileName, qsizetype recordBytes, const RecordRepairs& repairs);
