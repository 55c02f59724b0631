#include "io/image_format.h"

#include <QStringList>

namespace {

bool sameText(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

} // namespace

const std::array<TImageFormatEntry, 6> ImageFormats{{
    {"PNG", TImageFileFormat::iffPng, ".png", "PNG File"},
    {"JPEG", TImageFileFormat::iffJpeg, ".jpg", "JPEG File", "JPG"},
    {"GIF", TImageFileFormat::iffGif, ".gif", "GIF File"},
    {"BMP", TImageFileFormat::iffBmp, ".bmp", "Bitmap"},
    {"SVG", TImageFileFormat::iffSvg, ".svg", "SVG File"},
    {"PDF", TImageFileFormat::iffPdf, ".pdf", "PDF File"},
}};

bool IsVectorFormat(TImageFileFormat format)
{
    return format == TImageFileFormat::iffSvg || format == TImageFileFormat::iffPdf;
}

QString ImageFileFilters()
{
    QStringList filters;
    for (const TImageFormatEntry& entry : ImageFormats)
        filters << QStringLiteral("%1 (*%2)")
                       .arg(QLatin1String(entry.FilterName), QLatin1String(entry.Extension));
    return filters.join(QStringLiteral(";;"));
}

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
    return *FindImageFormat(QStringLiteral("BMP"));
}

QString FolderExportExtension(const QString& formatName)
{
    return QLatin1String(ListedImageFormat(formatName).Extension);
}
