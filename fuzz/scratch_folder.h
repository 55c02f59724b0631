#pragma once

#include <QByteArray>
#include <QString>

// A folder of this process's own, removed when it ends: readers that take a path get the
// fuzz input as a file.
QString ScratchFolder();

// Writes `bytes` as `name` in the scratch folder, replacing the last input; returns its path.
QString WriteScratchFile(const QString& name, const QByteArray& bytes);
