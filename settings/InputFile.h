#pragma once

#include <QString>

// What `path` names, links followed.
enum class FileKind { Missing, Regular, Folder, Device, Pipe, Other };
FileKind KindOfFile(const QString& path);

// Why `path` cannot be read as a file: empty when it is a regular file (links
// followed) or does not exist (opening it then says why); otherwise one line
// for the user naming what it is: a folder, a device, a named pipe. Checked
// before opening, since opening a named pipe waits for a writer.
QString NonRegularFileReason(const QString& path);
