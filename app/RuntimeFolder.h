#pragma once

// The runtime folder (g_appDir): where the program keeps the files it reads
// and writes as it runs — setting.ini, wavedata.ini, plus.ini, pluslist.l and
// signal.wav. The current directory plays no part.

#include <QString>
#include <QStringList>

// The executable's folder when it holds the program's files and can be
// written (the build's runtime folder, a portable copy); otherwise the
// per-user data folder (an installed program).
QString ChooseRuntimeFolder(const QString& exeDir, bool exeDirHoldsFiles, bool exeDirWritable,
                            const QString& userDir);

// ChooseRuntimeFolder for `exeDir` as it stands on disk: it holds the
// program's files when setting.ini or wavedata.ini is there. Creates nothing
// (for a reader such as ondrix-cli).
QString LocateRuntimeFolder(const QString& exeDir, const QString& userDir);

// Creates `dir` when needed and gives it each of setting.ini and wavedata.ini
// it lacks: a copy of the first one found in `resourceFolders`, else the
// program's built-in defaults. Files already there are kept as they are.
// False with `error` naming the file or folder and the reason when something
// could not be made.
bool SeedRuntimeFolder(const QString& dir, const QStringList& resourceFolders, QString* error);

// The start-up's choice: LocateRuntimeFolder, and when that is `userDir`,
// SeedRuntimeFolder with the resources of `exeDir`. Returns the folder even
// when seeding failed (`error` set): the program then runs on its defaults
// and reports each file it cannot save.
QString PrepareRuntimeFolder(const QString& exeDir, const QString& userDir, QString* error);

// The per-user data folder: $XDG_DATA_HOME/ondrix, by default
// ~/.local/share/ondrix. Empty when the system names no data location.
QString UserDataFolder();
