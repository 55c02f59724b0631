// Build-time tool: writes a C++ source that places the program's version record in the
// executable's version section.
//
// make_version_record OUTPUT.cpp FILE-VERSION PRODUCT-VERSION NAME=VALUE...

#include "platform/version_record_section.h"
#include "platform/version_record_writer.h"

#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <stdexcept>

namespace {

// US English, Windows Latin-1: the one string table of the program's record.
constexpr TVersionTranslation kTranslation{0x0409, 0x04e4};

QByteArray sourceFor(const QByteArray& record)
{
    QByteArray source = "// Generated at build time by make_version_record; do not edit.\n"
                        "__attribute__((section(\"";
    source += kVersionRecordSection;
    source += "\"), used, aligned(4))) static const unsigned char versionRecord[] = {";
    for (qsizetype i = 0; i < record.size(); ++i) {
        source += i % 12 == 0 ? "\n    " : " ";
        source += "0x" + QByteArray::number(static_cast<unsigned char>(record[i]), 16) + ',';
    }
    source += "\n};\n";
    return source;
}

int fail(const char* message)
{
    std::fprintf(stderr, "make_version_record: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4)
        return fail("usage: make_version_record OUTPUT.cpp FILE-VERSION PRODUCT-VERSION "
                    "NAME=VALUE...");
    TVersionRecordContent content;
    if (!ParseVersionNumber(QString::fromUtf8(argv[2]), content.FileVersion) ||
        !ParseVersionNumber(QString::fromUtf8(argv[3]), content.ProductVersion))
        return fail("a version must be up to four numbers 0-65535 joined by dots");

    TVersionStringTable table;
    table.Key = QString::asprintf("%.4x%.4x", kTranslation.Language, kTranslation.CodePage);
    for (int i = 4; i < argc; ++i) {
        const QString pair = QString::fromUtf8(argv[i]);
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return fail("a string must be given as NAME=VALUE");
        table.Strings.append({pair.left(equals), pair.mid(equals + 1)});
    }
    content.StringTables.append(table);
    content.Translations.append(kTranslation);

    QByteArray record;
    try {
        record = BuildVersionRecord(content);
    } catch (const std::length_error&) {
        return fail("the strings do not fit a version record");
    }
    QSaveFile output(QString::fromUtf8(argv[1]));
    if (!output.open(QIODevice::WriteOnly) || output.write(sourceFor(record)) < 0 ||
        !output.commit())
        return fail("cannot write the output file");
    return 0;
}
