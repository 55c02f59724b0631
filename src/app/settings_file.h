#pragma once

#include <QString>

// DataFolder's "settings.ini" holds nothing the program reads, but a damaged one must not stay in
// the way: one that is not a regular file of at most 1 MiB in valid UTF-8 (a leading byte-order
// mark is accepted) is set aside as "settings.ini.bad" (SetFileAside). A valid or missing file
// is left as it is; none is created. False only when something unreadable stays under the name:
// a folder, or a file that cannot be moved.
bool CheckSettingsFile(const QString& dataFolder);
