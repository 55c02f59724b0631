#include "fuzz_support.h"
#include "scratch_folder.h"

#include "base/zint_exception.h"
#include "io/entry_file_names.h"
#include "io/file_publisher.h"
#include "io/unique_file_name.h"

#include <QDir>
#include <QSet>

// Parts: the file name template, then the entries one per line with cells split at ",", the
// first line naming the columns. Every entry is named and published into an empty folder as
// the never-overwrite rule publishes it: each name stays inside the folder, no two entries share
// a file, and a second plan over the same entries names them alike.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureFuzzApplication();
    const QList<QByteArray> parts = FuzzParts(FuzzBytes(data, size), 2);
    TNameTemplate pattern;
    try {
        pattern = TNameTemplate::Parse(QString::fromUtf8(parts[0]));
    } catch (const EZintException&) {
        return 0;
    }
    const QList<QByteArray> lines = parts[1].split('\n');
    const QStringList header = QString::fromUtf8(lines.value(0)).split(u',');
    QDir folder(ScratchFolder() + QStringLiteral("/names"));
    folder.removeRecursively();
    FuzzCheck(folder.mkpath(QStringLiteral(".")), "cannot make the folder");

    TEntryFileNames names(pattern, QStringLiteral(".png"));
    TEntryFileNames again(pattern, QStringLiteral(".png"));
    QSet<QString> written;
    for (qsizetype i = 1; i < lines.size() && i <= 64; ++i) {
        const QString text = QString::fromUtf8(lines[i]);
        const TNameFields fields{i, text, header, text.split(u',')};
        TEntryFileName name;
        try {
            name = names.Next(fields);
        } catch (const EZintException&) {
            try {
                again.Next(fields);
                FuzzCheck(false, "a name the second plan gives and the first refused");
            } catch (const EZintException&) {
            }
            continue;
        }
        const TEntryFileName second = again.Next(fields);
        FuzzCheck(second.Name == name.Name && second.FirstCandidate == name.FirstCandidate,
                  "two plans over the same entries differ");
        FuzzCheck(!name.Name.contains(u'/') && name.Name != QLatin1String("..") &&
                      !name.Name.startsWith(u'.'),
                  "a name that leaves the folder or hides");
        const QString path =
            PublishNewFile(QByteArray::number(i), TNumberedFileName(folder.filePath(name.Name)),
                           name.FirstCandidate);
        FuzzCheck(!written.contains(path), "two entries share a file");
        written.insert(path);
    }
    FuzzCheck(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size() ==
                  written.size(),
              "files other than the entries' in the folder");
    return 0;
}
