#include "dialogs/restart_script.h"

#include "base/zint_exception.h"

#include <QDir>
#include <QFile>

namespace {
// 'text' with every ' written as '\'' : nothing inside single quotes is special to sh.
QByteArray ShellQuoted(const QByteArray& text)
{
    QByteArray quoted = "'";
    for (const char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + '\'';
}
} // namespace

QByteArray RestartScriptText(const QString& programPath)
{
    return "#!/bin/sh\n"
           "# @ECHO OFF\n"
           "echo 'This file was created automatically to restart the program.'\n"
           "echo 'It is safe to delete this file.'\n"
           "sleep 1\n"
           "exec " +
           ShellQuoted(QFile::encodeName(programPath)) + "\n";
}

QString RestartScriptPath(const QString& dataFolder)
{
    QString folder = dataFolder;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder + QStringLiteral("start.sh");
}

void WriteRestartScript(const QString& scriptPath, const QString& programPath)
{
    QFile file(scriptPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(RestartScriptText(programPath)) < 0 || !file.flush())
        throw EZintException(QStringLiteral("Cannot create file \"%1\". %2")
                                 .arg(QDir::toNativeSeparators(scriptPath), file.errorString())
                                 .toStdString());
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}
