#include "io/image_format.h"

namespace {

bool sameText(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

} // namespace

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
    if (formatName == QLatin1String("PNG"))
        return QStringLiteral(".png");
    if (formatName == QLatin1String("JPEG"))
        return QStringLiteral(".jpg");
    if (formatName == QLatin1String("GIF"))
        return QStringLiteral(".gif");
    return QStringLiteral(".bmp");
}
