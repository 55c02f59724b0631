#include "platform/version_carrier.h"

#include "platform/version_record_section.h"

#include <QFile>

namespace {
const char* const kSampleNames[] = {
    "CompanyName",    "FileDescription",  "FileVersion",  "InternalName",
    "LegalCopyright", "OriginalFileName", "ProductName",  "ProductVersion",
    "Comments",       "PrivateBuild",     "SpecialBuild",
};
} // namespace

TVersionRecordContent SampleContent()
{
    TVersionRecordContent content;
    content.FileVersion = {1, 2, 3, 4};
    content.ProductVersion = {1, 2, 0, 0};
    TVersionStringTable table{QStringLiteral("040904e4"), {}};
    for (const char* name : kSampleNames)
        table.Strings.append({QLatin1String(name), QLatin1String(name) + QStringLiteral(" text")});
    content.StringTables = {table};
    content.Translations = {{0x0409, 0x04e4}};
    return content;
}

QString TVersionCarrierTest::WriteFile(const QString& name, const QByteArray& bytes)
{
    const QString path = FFolder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    EXPECT_EQ(file.write(bytes), bytes.size());
    return path;
}

QByteArray TVersionCarrierTest::CarrierImage(const QByteArray& record, TElfImageClass elfClass,
                                             bool bigEndian) const
{
    return MakeElfImage({{".text", QByteArray(24, '\x90')},
                         {kVersionRecordSection, record},
                         {".data", QByteArray("data")}},
                        elfClass, bigEndian);
}

QString TVersionCarrierTest::WriteCarrier(const TVersionRecordContent& content)
{
    return WriteFile(QStringLiteral("carrier"), CarrierImage(BuildVersionRecord(content)));
}
