#include "platform/elf_section.h"

#include <elf.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

// Far above any real section name table; keeps a hostile header from forcing a huge allocation.
constexpr std::uint64_t kMaxNameTableSize = 16u << 20;

struct TReadFailure
{
    int Errno;
};

struct TMalformed
{};

std::uint64_t readUnsigned(const unsigned char* bytes, std::size_t width, bool bigEndian)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = (value << 8) | bytes[bigEndian ? i : width - 1 - i];
    return value;
}

class TElfFile
{
public:
    TElfFile(int fd, std::uint64_t fileSize, bool bigEndian)
        : FFd(fd), FFileSize(fileSize), FBigEndian(bigEndian)
    {}

    bool Contains(std::uint64_t offset, std::uint64_t size) const
    {
        return offset <= FFileSize && size <= FFileSize - offset;
    }

    // count entries of entrySize bytes each, without overflowing count * entrySize.
    bool ContainsTable(std::uint64_t offset, std::uint64_t count, std::uint64_t entrySize) const
    {
        return offset <= FFileSize && count <= (FFileSize - offset) / entrySize;
    }

    std::vector<unsigned char> Read(std::uint64_t offset, std::uint64_t size) const
    {
        if (!Contains(offset, size))
            throw TMalformed{};
        std::vector<unsigned char> bytes(size);
        std::uint64_t done = 0;
        while (done < size) {
            const ssize_t got = ::pread(FFd, bytes.data() + done, size - done, offset + done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw TReadFailure{errno};
            if (got == 0)
                throw TReadFailure{EIO}; // the file shrank under us
            done += static_cast<std::uint64_t>(got);
        }
        return bytes;
    }

    std::uint64_t Field(const std::vector<unsigned char>& record, std::size_t offset,
                        std::size_t width) const
    {
        return readUnsigned(record.data() + offset, width, FBigEndian);
    }

private:
    int FFd;
    std::uint64_t FFileSize;
    bool FBigEndian;
};

template <class Ehdr, class Shdr> TElfSection findSection(const TElfFile& file, const char* name)
{
    const auto header = file.Read(0, sizeof(Ehdr));
    const std::uint64_t tableOffset =
        file.Field(header, offsetof(Ehdr, e_shoff), sizeof(Ehdr::e_shoff));
    const std::uint64_t entrySize =
        file.Field(header, offsetof(Ehdr, e_shentsize), sizeof(Ehdr::e_shentsize));
    std::uint64_t count = file.Field(header, offsetof(Ehdr, e_shnum), sizeof(Ehdr::e_shnum));
    std::uint64_t namesIndex =
        file.Field(header, offsetof(Ehdr, e_shstrndx), sizeof(Ehdr::e_shstrndx));
    if (tableOffset == 0)
        return {};
    if (entrySize < sizeof(Shdr))
        throw TMalformed{};

    auto sectionHeader = [&](std::uint64_t index) {
        return file.Read(tableOffset + index * entrySize, sizeof(Shdr));
    };

    // Extended numbering: the real count and name-table index live in section 0.
    const auto first = sectionHeader(0);
    if (count == 0)
        count = file.Field(first, offsetof(Shdr, sh_size), sizeof(Shdr::sh_size));
    if (namesIndex == SHN_XINDEX)
        namesIndex = file.Field(first, offsetof(Shdr, sh_link), sizeof(Shdr::sh_link));
    if (!file.ContainsTable(tableOffset, count, entrySize) || namesIndex >= count)
        throw TMalformed{};
    if (namesIndex == SHN_UNDEF)
        return {};

    const auto namesHeader = sectionHeader(namesIndex);
    const std::uint64_t namesSize =
        file.Field(namesHeader, offsetof(Shdr, sh_size), sizeof(Shdr::sh_size));
    if (file.Field(namesHeader, offsetof(Shdr, sh_type), sizeof(Shdr::sh_type)) == SHT_NOBITS ||
        namesSize > kMaxNameTableSize)
        throw TMalformed{};
    const auto names = file.Read(
        file.Field(namesHeader, offsetof(Shdr, sh_offset), sizeof(Shdr::sh_offset)), namesSize);

    const std::size_t nameLength = std::strlen(name);
    for (std::uint64_t index = 1; index < count; ++index) {
        const auto section = sectionHeader(index);
        const std::uint64_t nameOffset =
            file.Field(section, offsetof(Shdr, sh_name), sizeof(Shdr::sh_name));
        if (nameOffset >= names.size() || names.size() - nameOffset <= nameLength)
            continue;
        if (std::memcmp(names.data() + nameOffset, name, nameLength + 1) != 0)
            continue;
        if (file.Field(section, offsetof(Shdr, sh_type), sizeof(Shdr::sh_type)) == SHT_NOBITS)
            return {};
        TElfSection found;
        found.Status = TElfSectionStatus::esFound;
        found.Offset = file.Field(section, offsetof(Shdr, sh_offset), sizeof(Shdr::sh_offset));
        found.Size = file.Field(section, offsetof(Shdr, sh_size), sizeof(Shdr::sh_size));
        if (!file.Contains(found.Offset, found.Size))
            throw TMalformed{};
        return found;
    }
    return {};
}

} // namespace

TElfSection FindElfSection(int fd, std::uint64_t fileSize, const char* name)
{
    TElfSection notElf;
    notElf.Status = TElfSectionStatus::esNotElf;
    try {
        const TElfFile probe(fd, fileSize, false);
        const auto ident = probe.Read(0, EI_NIDENT);
        if (std::memcmp(ident.data(), ELFMAG, SELFMAG) != 0)
            return notElf;
        const unsigned char encoding = ident[EI_DATA];
        if (encoding != ELFDATA2LSB && encoding != ELFDATA2MSB)
            return notElf;
        const TElfFile file(fd, fileSize, encoding == ELFDATA2MSB);
        switch (ident[EI_CLASS]) {
        case ELFCLASS64:
            return findSection<Elf64_Ehdr, Elf64_Shdr>(file, name);
        case ELFCLASS32:
            return findSection<Elf32_Ehdr, Elf32_Shdr>(file, name);
        default:
            return notElf;
        }
    } catch (const TMalformed&) {
        return notElf;
    } catch (const TReadFailure& failure) {
        TElfSection failed;
        failed.Status = TElfSectionStatus::esReadFailed;
        failed.Errno = failure.Errno;
        return failed;
    }
}
