#include "platform/file_probe.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

bool CanCreateFileIn(const QString& folder)
{
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(QStringLiteral("chk.tmp")));
    const int fd = open(path.constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    unlink(path.constData());
    close(fd);
    return true;
}
