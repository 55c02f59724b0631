#pragma once

#include <QByteArray>
#include <QString>

// The restart script of the language dialog (Part 5.2), a POSIX shell script standing in for
// "start.bat": the batch file's lines as comments and echo, one second's wait, and the
// program path single-quoted so that any path (spaces, quotes, "$", backticks) starts the
// same program.
QByteArray RestartScriptText(const QString& programPath);
// "<dataFolder>/start.sh", the trailing separator ensured.
QString RestartScriptPath(const QString& dataFolder);
// Writes the script, replacing an earlier one; raises EZintException when it cannot.
void WriteRestartScript(const QString& scriptPath, const QString& programPath);
