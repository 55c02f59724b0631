#include "io/temporary_file_names.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QLatin1String Prefix(".lintaro-");
const QLatin1String Suffix(".tmp");

// The characters a host name may hold; anything else becomes '_', so the name stays one
// file name.
QString ThisHost()
{
    static const QString host = [] {
        char name[256] = {};
        if (::gethostname(name, sizeof name - 1) != 0 || name[0] == 0)
            return QStringLiteral("localhost");
        QString safe = QString::fromLatin1(name);
        static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9.-]"));
        return safe.replace(unsafe, QStringLiteral("_"));
    }();
    return host;
}

bool ProcessIsGone(qint64 pid)
{
    return pid > 0 && pid <= qint64(INT_MAX) && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

QByteArray NewTemporaryFileName(const QString& folder)
{
    const QString random = QString::number(QRandomGenerator::global()->generate64(), 36);
    return QFile::encodeName(folder + Prefix + QString::number(::getpid()) + u'-' + random + u'@' +
                             ThisHost() + Suffix);
}

int RemoveStaleTemporaryFiles(const QString& folder)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\.lintaro-([0-9]{1,10})-[0-9a-z]{1,13}@([A-Za-z0-9._-]{1,255})\\.tmp$"));
    DIR* listing = ::opendir(QFile::encodeName(folder).constData());
    if (!listing)
        return 0;
    const int folderFd = ::dirfd(listing);
    const std::time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(listing)) {
        if (entry->d_name[0] != '.')
            continue;
        const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(entry->d_name));
        if (!match.hasMatch())
            continue;
        struct stat status = {};
        if (::fstatat(folderFd, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode) || status.st_uid != ::geteuid())
            continue;
        const bool ownerGone =
            match.captured(2) == ThisHost() && ProcessIsGone(match.captured(1).toLongLong());
        const bool old = now - status.st_mtime > StaleTemporaryAgeSeconds;
        if ((ownerGone || old) && ::unlinkat(folderFd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(listing);
    return removed;
}
