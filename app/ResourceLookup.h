#pragma once

// Read-only files the program ships: res/Toolbar_.bmp, the default
// setting.ini and wavedata.ini a new runtime folder is seeded from, the
// example plug-ins in plugins/ and the translations in translations/. A build
// or a portable copy keeps them beside the executable; an installed program
// keeps them in its installation's share folder (bin/../share/ondrix).

#include <QString>
#include <QStringList>

// The folders resources are looked up in, in this order: `exeDir` itself,
// then the share folder of the installation `exeDir` belongs to.
QStringList ResourceFolders(const QString& exeDir);

// The first of `folders` that holds `name` ("res/Toolbar_.bmp"), joined with
// it; empty when none does.
QString FindResourceIn(const QStringList& folders, const QString& name);

// FindResourceIn(ResourceFolders(the running program's folder), name).
QString FindResource(const QString& name);
