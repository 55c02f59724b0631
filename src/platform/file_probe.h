#pragma once

#include <QString>

// True when a new file can be created in the folder: creates "chk.tmp" exclusively and
// removes it at once. A "chk.tmp" that exists already makes the probe fail.
bool CanCreateFileIn(const QString& folder);
