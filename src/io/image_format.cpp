#include "io/image_format.h"

namespace {

bool sameText(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

} // namespace

const std::array<TImageFormatEntry, 4> ImageFormats{{
    {"PNG", TImageFileFormat::iffPng, ".png"},
    {"JPEG", TImageFileFormat::iffJpeg, ".jpg", "JPG"},
    {"GIF", TImageFileFormat::iffGif, ".gif"},
    {"BMP", TImageFileFormat::iffBmp, ".bmp"},
}};

const TImageFormatEntry* FindImageFormat(const QString& name)
{
    for (const TImageFormatEntry& entry : ImageFormats)
        if (sameText(name, entry.Name) || (entry.Alias && sameText(name, entry.Alias)))
            return &entry;
    return nullptr;
}

QString FileNameExtension(const QString& path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot >= nameStart ? path.mid(dot) : QString();
}

TImageFileFormat ImageFormatForPath(const QString& path)
{
    // An extension names its format as the table does: ".png", ".jpeg" and ".jpg" alike.
    const QString ext = FileNameExtension(path);
    const TImageFormatEntry* entry = ext.isEmpty() ? nullptr : FindImageFormat(ext.mid(1));
    return entry ? entry->Format : TImageFileFormat::iffBmp;
}

const TImageFormatEntry& ListedImageFormat(const QString& formatName)
{
    for (const TImageFormatEntry& entry : ImageFormats)
        if (formatName == QLatin1String(entry.Name))
            return entry;
    return ImageFormats.back();
}

QString FolderExportExtension(const QString& formatName)
{
    return QLatin1String(ListedImageFormat(formatName).Extension);
}
