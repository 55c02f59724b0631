#pragma once

#include <QString>

// "lintaro-batch 1.1.0.0": the program's name and version, as its own version record gives
// them. Raises EZintException when the record cannot be read.
QString BatchVersionText(const QString& programPath);
