#pragma once

#include <QByteArray>
#include <QVector>

struct TElfImageSection
{
    QByteArray Name;
    QByteArray Data;
};

enum class TElfImageClass
{
    eic32,
    eic64
};

// A minimal ELF file: header, the sections' bytes, a section name table and the section
// header table, in the given class and byte order. Enough for a reader that walks sections.
QByteArray MakeElfImage(const QVector<TElfImageSection>& sections,
                        TElfImageClass elfClass = TElfImageClass::eic64, bool bigEndian = false);
