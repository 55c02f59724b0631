#include "platform/version_info.h"

#include "base/file_descriptor.h"
#include "platform/elf_section.h"
#include "platform/os_error.h"
#include "platform/version_record_section.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace {

constexpr std::uint32_t kNodeHeaderSize = 6; // wLength, wValueLength, wType
constexpr std::uint32_t kMaxRecordSize = 0xFFFF;
constexpr std::uint16_t kTextNode = 1;

QString resourceTypeNotFound()
{
    return QStringLiteral("The specified resource type cannot be found in the image file.");
}

QString resourceNameNotFound()
{
    return QStringLiteral("The specified resource name cannot be found in the image file.");
}

QString recordDamaged()
{
    return QStringLiteral("The version record of the file is damaged.");
}

std::uint32_t alignToDoubleWord(std::uint32_t offset)
{
    return (offset + 3u) & ~3u;
}

std::uint16_t wordAt(const unsigned char* bytes, std::uint32_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

struct TNode
{
    std::uint32_t End = 0;
    std::uint32_t ValueStart = 0;
    std::uint32_t ValueSize = 0; // bytes
    std::uint32_t ChildrenStart = 0;
    bool Text = false;
    QString Key;
};

// Reads the node at start, which must lie wholly before limit.
std::optional<TNode> parseNode(const unsigned char* bytes, std::uint32_t start, std::uint32_t limit)
{
    if (start > limit || limit - start < kNodeHeaderSize)
        return std::nullopt;
    const std::uint32_t length = wordAt(bytes, start);
    if (length < kNodeHeaderSize || length > limit - start)
        return std::nullopt;
    TNode node;
    node.End = start + length;
    node.Text = wordAt(bytes, start + 4) == kTextNode;

    std::uint32_t offset = start + kNodeHeaderSize;
    for (;; offset += 2) {
        if (node.End - offset < 2)
            return std::nullopt; // key without its terminating zero
        const std::uint16_t unit = wordAt(bytes, offset);
        if (unit == 0)
            break;
        node.Key.append(QChar(unit));
    }
    node.ValueStart = std::min(alignToDoubleWord(offset + 2), node.End);
    const std::uint32_t declared = wordAt(bytes, start + 2);
    node.ValueSize = std::min(node.Text ? declared * 2 : declared, node.End - node.ValueStart);
    node.ChildrenStart = std::min(alignToDoubleWord(node.ValueStart + node.ValueSize), node.End);
    return node;
}

std::optional<TNode> findChild(const unsigned char* bytes, const TNode& parent, const QString& key)
{
    std::uint32_t offset = parent.ChildrenStart;
    while (offset < parent.End && parent.End - offset >= kNodeHeaderSize) {
        std::optional<TNode> child = parseNode(bytes, offset, parent.End);
        if (!child) {
            SetLastOSError(EBADMSG, recordDamaged());
            return std::nullopt;
        }
        if (child->Key.compare(key, Qt::CaseInsensitive) == 0)
            return child;
        offset = alignToDoubleWord(child->End);
    }
    SetLastOSError(ENODATA, resourceNameNotFound());
    return std::nullopt;
}

bool readAll(int fd, QByteArray& bytes, std::uint64_t offset)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            ::pread(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done),
                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            SetLastOSError(got < 0 ? errno : EIO);
            return false;
        }
        done += got;
    }
    return true;
}

// The file's version record, checked to be a VS_VERSION_INFO node that fits its section and
// cut to that node's length.
std::optional<QByteArray> readVersionRecord(const QString& fileName)
{
    // Non-blocking so that naming a FIFO cannot hang the caller.
    const TFileDescriptor file(
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0) {
        SetLastOSError(errno);
        return std::nullopt;
    }
    struct stat status
    {};
    if (::fstat(file.Get(), &status) != 0) {
        SetLastOSError(errno);
        return std::nullopt;
    }
    if (S_ISDIR(status.st_mode)) {
        SetLastOSError(EISDIR);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        SetLastOSError(ENOEXEC);
        return std::nullopt;
    }

    const TElfSection section = FindElfSection(
        file.Get(), static_cast<std::uint64_t>(status.st_size), kVersionRecordSection);
    switch (section.Status) {
    case TElfSectionStatus::esFound:
        break;
    case TElfSectionStatus::esAbsent:
        SetLastOSError(ENODATA, resourceTypeNotFound());
        return std::nullopt;
    case TElfSectionStatus::esNotElf:
        SetLastOSError(ENOEXEC);
        return std::nullopt;
    case TElfSectionStatus::esReadFailed:
        SetLastOSError(section.Errno);
        return std::nullopt;
    }

    // A record's length is a 16-bit word; the section may only add alignment padding.
    if (section.Size < kNodeHeaderSize || section.Size > kMaxRecordSize + 3) {
        SetLastOSError(EBADMSG, recordDamaged());
        return std::nullopt;
    }
    QByteArray record(static_cast<qsizetype>(section.Size), Qt::Uninitialized);
    if (!readAll(file.Get(), record, section.Offset))
        return std::nullopt;
    const auto* bytes = reinterpret_cast<const unsigned char*>(record.constData());
    const std::optional<TNode> root =
        parseNode(bytes, 0, static_cast<std::uint32_t>(record.size()));
    if (!root || root->Key != QLatin1String("VS_VERSION_INFO")) {
        SetLastOSError(EBADMSG, recordDamaged());
        return std::nullopt;
    }
    record.truncate(root->End);
    return record;
}

} // namespace

std::uint32_t GetFileVersionInfoSize(const QString& fileName)
{
    const std::optional<QByteArray> record = readVersionRecord(fileName);
    return record ? static_cast<std::uint32_t>(record->size()) : 0;
}

bool GetFileVersionInfo(const QString& fileName, std::uint32_t size, void* data)
{
    if (data == nullptr || size == 0) {
        SetLastOSError(EINVAL);
        return false;
    }
    const std::optional<QByteArray> record = readVersionRecord(fileName);
    if (!record)
        return false;
    std::memcpy(data, record->constData(),
                std::min<std::size_t>(size, static_cast<std::size_t>(record->size())));
    return true;
}

bool VerQueryValue(const void* block, std::uint32_t blockSize, const QString& subBlock,
                   const void** buffer, std::uint32_t* length)
{
    if (block == nullptr || buffer == nullptr || length == nullptr) {
        SetLastOSError(EINVAL);
        return false;
    }
    const auto* bytes = static_cast<const unsigned char*>(block);
    std::optional<TNode> node = parseNode(bytes, 0, blockSize);
    if (!node) {
        SetLastOSError(EBADMSG, recordDamaged());
        return false;
    }
    for (const QString& key : subBlock.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        node = findChild(bytes, *node, key);
        if (!node)
            return false;
    }
    *buffer = bytes + node->ValueStart;
    *length = node->Text ? node->ValueSize / 2 : node->ValueSize;
    return true;
}
