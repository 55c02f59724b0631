#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// A stand-in for the program: a shell script that writes "ran <its path> in <its folder>"
// into a marker file, so a test sees that the restart started exactly this program.
inline QString MakeStandInProgram(const QString& path, const QString& marker)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\nprintf 'ran %s in %s\\n' \"$0\" \"$(pwd)\" > '" +
               QFile::encodeName(marker) + "'\n");
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}
