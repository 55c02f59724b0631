#pragma once

#include <QString>

// Moves a written file whose symbol does not read back away from its final name, to
// "<name>.failed<ext>" or the next free numbered form of it; nothing is ever replaced.
// Returns the new name. Raises EZintException when it cannot, leaving the file where it was.
QString SetAsideFailedFile(const QString& path);
