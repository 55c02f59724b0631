#include "fuzz_support.h"
#include "scratch_folder.h"

#include "platform/version_info.h"

#include <QByteArray>
#include <QStringList>

namespace {
// The queries the program makes, and paths a damaged or hostile record could trip over.
const QStringList Queries = {
    QStringLiteral("\\"),
    QStringLiteral("\\VarFileInfo\\Translation"),
    QStringLiteral("\\StringFileInfo\\040904E4\\FileVersion"),
    QStringLiteral("\\StringFileInfo\\040904e4\\ProductName"),
    QStringLiteral("\\StringFileInfo\\040904E4\\"),
    QStringLiteral("\\StringFileInfo"),
    QStringLiteral("\\\\\\"),
    QString(),
};

// Every answer lies wholly inside the block it was asked of.
void QueryAll(const QByteArray& block)
{
    const char* const begin = block.constData();
    const char* const end = begin + block.size();
    for (const QString& query : Queries) {
        const void* value = nullptr;
        std::uint32_t length = 0;
        if (!VerQueryValue(begin, std::uint32_t(block.size()), query, &value, &length))
            continue;
        const char* const start = static_cast<const char*>(value);
        FuzzCheck(start >= begin && start <= end && length <= std::uint32_t(end - start),
                  "a value outside its block");
    }
}
} // namespace

// The input is a whole file (an ELF file with a version section when it gets that far) and
// also a bare version record.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    QueryAll(bytes);

    const QString path = WriteScratchFile(QStringLiteral("program"), bytes);
    const std::uint32_t recordSize = GetFileVersionInfoSize(path);
    if (recordSize == 0)
        return 0;
    FuzzCheck(recordSize <= size, "a record larger than its file");
    QByteArray record(qsizetype(recordSize), '\0');
    if (GetFileVersionInfo(path, recordSize, record.data()))
        QueryAll(record);
    return 0;
}
