#include "platform/version_record_writer.h"

#include <QStringList>

#include <functional>
#include <stdexcept>

namespace {

constexpr quint32 kFixedFileInfoSignature = 0xFEEF04BD;
constexpr quint32 kFixedFileInfoVersion = 0x00010000;
constexpr quint32 kFileFlagsMask = 0x3F;
constexpr quint32 kFileTypeApplication = 1;
constexpr quint16 kBinaryNode = 0;
constexpr quint16 kTextNode = 1;

void appendWord(QByteArray& out, quint16 word)
{
    out.append(static_cast<char>(word & 0xFF));
    out.append(static_cast<char>(word >> 8));
}

void appendDoubleWord(QByteArray& out, quint32 value)
{
    appendWord(out, static_cast<quint16>(value & 0xFFFF));
    appendWord(out, static_cast<quint16>(value >> 16));
}

void appendText(QByteArray& out, const QString& text)
{
    for (const QChar unit : text)
        appendWord(out, unit.unicode());
    appendWord(out, 0);
}

// Offsets in the record count from its first byte, which the reader finds 32-bit aligned.
void padToDoubleWord(QByteArray& out)
{
    while (out.size() % 4 != 0)
        out.append('\0');
}

void appendNode(QByteArray& out, const QString& key, quint16 type, quint16 valueLength,
                const QByteArray& value, const std::function<void(QByteArray&)>& appendChildren)
{
    padToDoubleWord(out);
    const qsizetype start = out.size();
    appendWord(out, 0); // wLength, patched below
    appendWord(out, valueLength);
    appendWord(out, type);
    appendText(out, key);
    padToDoubleWord(out);
    out.append(value);
    if (appendChildren)
        appendChildren(out);
    const qsizetype length = out.size() - start;
    if (length > 0xFFFF)
        throw std::length_error("version record node too long");
    out[start] = static_cast<char>(length & 0xFF);
    out[start + 1] = static_cast<char>(length >> 8);
}

quint32 highWords(const std::array<quint16, 4>& version)
{
    return (quint32(version[0]) << 16) | version[1];
}

quint32 lowWords(const std::array<quint16, 4>& version)
{
    return (quint32(version[2]) << 16) | version[3];
}

QByteArray fixedFileInfo(const TVersionRecordContent& content)
{
    QByteArray info;
    for (const quint32 value :
         {kFixedFileInfoSignature, kFixedFileInfoVersion, highWords(content.FileVersion),
          lowWords(content.FileVersion), highWords(content.ProductVersion),
          lowWords(content.ProductVersion), kFileFlagsMask, quint32{0}, quint32{0},
          kFileTypeApplication, quint32{0}, quint32{0}, quint32{0}})
        appendDoubleWord(info, value);
    return info;
}

quint16 checkedLength(qsizetype length)
{
    if (length > 0xFFFF)
        throw std::length_error("version record value too long");
    return static_cast<quint16>(length);
}

void appendStringTable(QByteArray& out, const TVersionStringTable& table)
{
    appendNode(out, table.Key, kTextNode, 0, {}, [&](QByteArray& children) {
        for (const TVersionString& string : table.Strings) {
            QByteArray value;
            appendText(value, string.Value);
            appendNode(children, string.Name, kTextNode, checkedLength(string.Value.size() + 1),
                       value, {});
        }
    });
}

void appendTranslations(QByteArray& out, const QVector<TVersionTranslation>& translations)
{
    QByteArray value;
    for (const TVersionTranslation& translation : translations) {
        appendWord(value, translation.Language);
        appendWord(value, translation.CodePage);
    }
    appendNode(out, QStringLiteral("Translation"), kBinaryNode, checkedLength(value.size()), value,
               {});
}

} // namespace

QByteArray BuildVersionRecord(const TVersionRecordContent& content)
{
    const QByteArray fixedInfo = fixedFileInfo(content);
    QByteArray record;
    appendNode(record, QStringLiteral("VS_VERSION_INFO"), kBinaryNode,
               checkedLength(fixedInfo.size()), fixedInfo, [&](QByteArray& children) {
                   appendNode(children, QStringLiteral("StringFileInfo"), kTextNode, 0, {},
                              [&](QByteArray& tables) {
                                  for (const TVersionStringTable& table : content.StringTables)
                                      appendStringTable(tables, table);
                              });
                   appendNode(
                       children, QStringLiteral("VarFileInfo"), kTextNode, 0, {},
                       [&](QByteArray& vars) { appendTranslations(vars, content.Translations); });
               });
    return record;
}

bool ParseVersionNumber(const QString& text, std::array<quint16, 4>& version)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() > 4)
        return false;
    std::array<quint16, 4> parsed{};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const uint number = parts[i].toUInt(&ok);
        if (!ok || number > 0xFFFF)
            return false;
        parsed[static_cast<std::size_t>(i)] = static_cast<quint16>(number);
    }
    version = parsed;
    return true;
}
