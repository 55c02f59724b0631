#include "cli/failed_file.h"

#include "base/zint_exception.h"
#include "io/file_publisher.h"
#include "io/image_format.h"
#include "io/unique_file_name.h"

#include <QFile>

QString SetAsideFailedFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EZintException("Cannot read file \"" + path.toStdString() + "\". " +
                             file.errorString().toStdString());
    const QByteArray contents = file.readAll();
    file.close();
    const QString extension = FileNameExtension(path);
    const QString failedPath =
        path.left(path.size() - extension.size()) + QStringLiteral(".failed") + extension;
    // A new file first, then the old name goes: the picture exists under one name at least.
    const QString written = PublishNewFile(contents, TNumberedFileName(failedPath));
    if (!file.remove())
        throw EZintException("Cannot remove file \"" + path.toStdString() + "\". " +
                             file.errorString().toStdString());
    return written;
}
