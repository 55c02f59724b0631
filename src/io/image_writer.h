#pragma once

#include "io/file_publisher.h"
#include "io/image_format.h"

#include <QByteArray>
#include <QString>

class QImage;
class QIODevice;

// Every function refuses a null image (an empty preview) with an EZintException before
// anything is written.

// Writes the picture in the given format. Throws EZintException with the encoder's reason.
void WriteImage(const QImage& image, TImageFileFormat format, QIODevice& device);

// Saves the picture to `path` in the format its extension names, replacing an existing file
// (the user confirmed that). A failure raises "Cannot create file "<path>". <reason>" and
// leaves any earlier file under the name as it was.
void DosyayiKaydet(const QImage& image, const QString& path);

// Saves the picture under candidate `firstCandidate` of the numbered series of `path`
// (TNumberedFileName; 1 is `path` itself) or, where that name exists, the next one; never
// replaces anything, even a file that appears while saving. Returns the name written. No name
// after candidate `lastCandidate` is tried: EFileExists when they are all taken.
QString SaveImageToNewFile(const QImage& image, const QString& path, qint64 firstCandidate = 1,
                           qint64 lastCandidate = AnyCandidate);
