#include "io/unique_file_name.h"

#include "io/image_format.h"

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
