#include "platform/elf_image.h"

#include <elf.h>

#include <cstddef>

namespace {

class TImageWriter
{
public:
    TImageWriter(QByteArray& image, bool bigEndian) : FImage(image), FBigEndian(bigEndian) {}

    void Put(qsizetype offset, std::size_t width, quint64 value)
    {
        for (std::size_t i = 0; i < width; ++i) {
            const std::size_t shift = 8 * (FBigEndian ? width - 1 - i : i);
            FImage[offset + static_cast<qsizetype>(i)] = static_cast<char>((value >> shift) & 0xFF);
        }
    }

private:
    QByteArray& FImage;
    bool FBigEndian;
};

#define PUT(writer, base, Type, member, value)                                                     \
    writer.Put((base) + offsetof(Type, member), sizeof(Type::member), (value))

template <class Ehdr, class Shdr>
QByteArray makeImage(const QVector<TElfImageSection>& sections, unsigned char elfClass,
                     bool bigEndian)
{
    QByteArray image(sizeof(Ehdr), '\0');
    QVector<qsizetype> dataOffsets;
    for (const TElfImageSection& section : sections) {
        dataOffsets.append(image.size());
        image.append(section.Data);
        while (image.size() % 4 != 0)
            image.append('\0');
    }
    QByteArray names(1, '\0');
    QVector<qsizetype> nameOffsets;
    for (const TElfImageSection& section : sections) {
        nameOffsets.append(names.size());
        names.append(section.Name).append('\0');
    }
    const qsizetype namesNameOffset = names.size();
    names.append(".shstrtab").append('\0');
    const qsizetype namesOffset = image.size();
    image.append(names);
    while (image.size() % 8 != 0)
        image.append('\0');

    const qsizetype tableOffset = image.size();
    const qsizetype count = sections.size() + 2; // null section first, name table last
    image.append(QByteArray(count * static_cast<qsizetype>(sizeof(Shdr)), '\0'));

    TImageWriter writer(image, bigEndian);
    image.replace(0, SELFMAG, ELFMAG);
    image[EI_CLASS] = static_cast<char>(elfClass);
    image[EI_DATA] = bigEndian ? ELFDATA2MSB : ELFDATA2LSB;
    image[EI_VERSION] = EV_CURRENT;
    PUT(writer, 0, Ehdr, e_type, ET_EXEC);
    PUT(writer, 0, Ehdr, e_version, EV_CURRENT);
    PUT(writer, 0, Ehdr, e_ehsize, sizeof(Ehdr));
    PUT(writer, 0, Ehdr, e_shoff, tableOffset);
    PUT(writer, 0, Ehdr, e_shentsize, sizeof(Shdr));
    PUT(writer, 0, Ehdr, e_shnum, count);
    PUT(writer, 0, Ehdr, e_shstrndx, count - 1);

    auto headerAt = [&](qsizetype index) {
        return tableOffset + index * static_cast<qsizetype>(sizeof(Shdr));
    };
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const qsizetype header = headerAt(i + 1);
        PUT(writer, header, Shdr, sh_name, nameOffsets[i]);
        PUT(writer, header, Shdr, sh_type, SHT_PROGBITS);
        PUT(writer, header, Shdr, sh_flags, SHF_ALLOC);
        PUT(writer, header, Shdr, sh_offset, dataOffsets[i]);
        PUT(writer, header, Shdr, sh_size, sections[i].Data.size());
        PUT(writer, header, Shdr, sh_addralign, 4);
    }
    const qsizetype namesHeader = headerAt(count - 1);
    PUT(writer, namesHeader, Shdr, sh_name, namesNameOffset);
    PUT(writer, namesHeader, Shdr, sh_type, SHT_STRTAB);
    PUT(writer, namesHeader, Shdr, sh_offset, namesOffset);
    PUT(writer, namesHeader, Shdr, sh_size, names.size());
    PUT(writer, namesHeader, Shdr, sh_addralign, 1);
    return image;
}

#undef PUT

} // namespace

QByteArray MakeElfImage(const QVector<TElfImageSection>& sections, TElfImageClass elfClass,
                        bool bigEndian)
{
    return elfClass == TElfImageClass::eic64
               ? makeImage<Elf64_Ehdr, Elf64_Shdr>(sections, ELFCLASS64, bigEndian)
               : makeImage<Elf32_Ehdr, Elf32_Shdr>(sections, ELFCLASS32, bigEndian);
}
