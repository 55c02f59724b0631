#include "scratch_folder.h"

#include "fuzz_support.h"

#include <QFile>
#include <QTemporaryDir>

QString ScratchFolder()
{
    static const QTemporaryDir folder;
    FuzzCheck(folder.isValid(), "no scratch folder");
    return folder.path();
}

QString WriteScratchFile(const QString& name, const QByteArray& bytes)
{
    const QString path = ScratchFolder() + u'/' + name;
    QFile file(path);
    FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(bytes) == bytes.size(),
              "cannot write the scratch file");
    return path;
}
