#pragma once

#include <cstdint>

enum class TElfSectionStatus
{
    esFound,
    esAbsent,    // a well-formed ELF file without that section
    esNotElf,    // not ELF, or headers pointing outside the file
    esReadFailed // the read itself failed; errno is in TElfSection::Errno
};

struct TElfSection
{
    TElfSectionStatus Status = TElfSectionStatus::esAbsent;
    std::uint64_t Offset = 0;
    std::uint64_t Size = 0;
    int Errno = 0;
};

// Finds a section by name through the section header table of the ELF file open as fd,
// without loading the file. Every offset and count read from the file is checked against
// fileSize, so a hostile file yields esNotElf rather than a stray read.
TElfSection FindElfSection(int fd, std::uint64_t fileSize, const char* name);
