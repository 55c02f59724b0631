#include "io/output_subfolders.h"

#include "base/file_descriptor.h"
#include "base/zint_exception.h"
#include "io/temporary_file_names.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void throwCannotCreate(const QString& path, const std::string& reason)
{
    throw ECannotCreateFile("Cannot create folder \"" + path.toStdString() + "\". " + reason);
}

} // namespace

TOutputSubfolders::TOutputSubfolders(QString root, bool removeStale)
    : FRoot(std::move(root)), FRemoveStale(removeStale)
{}

void TOutputSubfolders::Make(const QString& relative) const
{
    // The output folder itself is the user's to name, a link included.
    TFileDescriptor folder(
        ::open(QFile::encodeName(FRoot).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0)
        throwCannotCreate(FRoot, std::strerror(errno));
    QString path = FRoot;
    for (const QString& level : relative.split(u'/')) {
        path = QDir(path).filePath(level);
        if (level.isEmpty() || level == QLatin1String(".") || level == QLatin1String(".."))
            throwCannotCreate(path, "It would not be inside the output folder.");
        const QByteArray name = QFile::encodeName(level);
        if (::mkdirat(folder.Get(), name.constData(), 0777) != 0 && errno != EEXIST)
            throwCannotCreate(path, std::strerror(errno));
        const int next = ::openat(folder.Get(), name.constData(),
                                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0 && (errno == ELOOP || errno == ENOTDIR))
            throwCannotCreate(path, "Something other than a folder holds the name.");
        if (next < 0)
            throwCannotCreate(path, std::strerror(errno));
        folder.Reset(next);
    }
}

QString TOutputSubfolders::Prepare(const QString& relative)
{
    const QString path = relative.isEmpty() ? FRoot : QDir(FRoot).filePath(relative);
    const std::lock_guard<std::mutex> lock(FMutex);
    if (FReady.contains(relative))
        return path;
    if (!relative.isEmpty())
        Make(relative);
    if (FRemoveStale)
        RemoveStaleTemporaryFiles(path);
    FReady.insert(relative);
    return path;
}
