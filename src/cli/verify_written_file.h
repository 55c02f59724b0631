#pragma once

#include "io/entry_outcome.h"
#include "symbol/zint_symbology.h"

#include <QString>

// Reads a written file back as it stands on disk, so a lossy format or a missing quiet zone
// shows; vector files are drawn first at `dpi` (LoadWrittenPicture). A file that does not read
// back to `text` with any reader is set aside (SetAsideFailedFile) and the entry fails when a
// reader read something else; when none read anything it stays and is unconfirmed.
// `primaryMessage` is the one the entry was encoded with.
TEntryOutcome VerifyWrittenFile(const QString& path, TZintSymbology symbology, const QString& text,
                                const QString& primaryMessage, int dpi);
