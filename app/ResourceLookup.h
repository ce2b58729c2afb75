#pragma once

// Read-only files the program ships: res/Toolbar_.bmp, the default
// setting.ini and wavedata.ini a new runtime folder is seeded from, the
// translations in translations/, and the example plug-ins. A build or a
// portable copy keeps them beside the executable (the plug-ins in plugins/);
// an installed program keeps them in its installation's share folder
// (bin/../share/ondrix), the plug-ins, being shared libraries, in its library
// folder (bin/../lib/<multiarch>/ondrix/plugins).

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

// The folder of the example plug-ins: `exeDir`/plugins when there is one (a
// build, a portable copy), else the plug-in folder of the installation
// `exeDir` belongs to.
QString ExamplePluginFolder(const QString& exeDir);
