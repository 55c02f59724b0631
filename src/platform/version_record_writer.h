#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>

struct TVersionString
{
    QString Name;
    QString Value;
};

struct TVersionStringTable
{
    QString Key; // language and code page as eight hexadecimal digits, e.g. "040904e4"
    QVector<TVersionString> Strings;
};

struct TVersionTranslation
{
    quint16 Language = 0;
    quint16 CodePage = 0;
};

struct TVersionRecordContent
{
    std::array<quint16, 4> FileVersion{};
    std::array<quint16, 4> ProductVersion{};
    QVector<TVersionStringTable> StringTables;
    QVector<TVersionTranslation> Translations;
};

// Lays the content out as a VS_VERSIONINFO tree: UTF-16LE keys and texts, every node on a
// 32-bit boundary, a VS_FIXEDFILEINFO as the root's value. Throws std::length_error when a
// node outgrows its 16-bit length.
QByteArray BuildVersionRecord(const TVersionRecordContent& content);

// Parses "a.b.c.d" (missing trailing parts are 0); false on anything else.
bool ParseVersionNumber(const QString& text, std::array<quint16, 4>& version);
