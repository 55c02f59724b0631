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
    const QString ext = FileNameExtension(path);
    if (sameText(ext, ".png"))
        return TImageFileFormat::iffPng;
    if (sameText(ext, ".jpg") || sameText(ext, ".jpeg"))
        return TImageFileFormat::iffJpeg;
    if (sameText(ext, ".gif"))
        return TImageFileFormat::iffGif;
    return TImageFileFormat::iffBmp;
}

QString FolderExportExtension(const QString& formatName)
{
    // The list's own texts only; anything else is written as the Windows default, BMP.
    for (const TImageFormatEntry& entry : ImageFormats)
        if (formatName == QLatin1String(entry.Name))
            return QLatin1String(entry.Extension);
    return QLatin1String(ImageFormats.back().Extension);
}
