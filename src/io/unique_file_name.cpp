#include "io/unique_file_name.h"

#include "io/image_format.h"

#include <QFile>

#include <sys/stat.h>

namespace {

bool fileExists(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

} // namespace

TNumberedFileName::TNumberedFileName(const QString& path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    FExt = FileNameExtension(path);
    FFolder = path.left(nameStart);
    FBase = path.mid(nameStart, path.size() - nameStart - FExt.size());
}

QString TNumberedFileName::Candidate(qint64 n) const
{
    if (n <= 1)
        return FFolder + FBase + FExt;
    return FFolder + FBase + QStringLiteral(" (") + QString::number(n) + u')' + FExt;
}

QString UniqueFileName(const QString& path)
{
    const TNumberedFileName name(path);
    QString candidate = path;
    for (qint64 n = 2; fileExists(candidate); ++n)
        candidate = name.Candidate(n);
    return candidate;
}
