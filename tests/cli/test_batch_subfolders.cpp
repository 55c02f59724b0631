// Files placed in subfolders by their number ({n:0W/G}).
#include "batch_manifest_lines.h"
#include "batch_tool_fixture.h"

namespace {
const QStringList Nested = {QStringLiteral("--name"), QStringLiteral("{text}-{n:03/1}")};
} // namespace

// Only the number field makes folders: a '/' of the text is made safe as in any name.
TEST_F(BatchTool, TheNumberFieldPlacesFilesInSubfolders)
{
    QByteArray input;
    for (int i = 1; i <= 12; ++i)
        input += (i == 11 ? QByteArray("../a/b") : "T" + QByteArray::number(i)) + '\n';
    const QString manifest = FDir.filePath(QStringLiteral("manifest.jsonl"));
    const TRun run =
        Export(input, Nested + QStringList{QStringLiteral("--manifest"), manifest,
                                           QStringLiteral("--first-number"), QStringLiteral("95")});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    QStringList expected;
    for (int n = 95; n <= 106; ++n)
        expected << QStringLiteral("%1/%2/%3-%4.png")
                        .arg(n / 100)
                        .arg(n / 10 % 10)
                        .arg(n == 105 ? QStringLiteral("_._a_b")
                                      : QStringLiteral("T%1").arg(n - 94))
                        .arg(n, 3, 10, QLatin1Char('0'));
    QStringList written;
    for (const QString& path : FolderContents(Out()).keys())
        if (path.endsWith(QLatin1String(".png")))
            written << path;
    expected.sort();
    EXPECT_EQ(written, expected);
    const std::vector<QJsonObject> records = ManifestRecords(manifest);
    ASSERT_EQ(records.size(), std::size_t(12));
    for (const QJsonObject& record : records) {
        EXPECT_TRUE(expected.contains(record.value(QStringLiteral("file")).toString()));
        EXPECT_TRUE(RecordMatchesItsFile(record, Out()));
    }
}

// A link planted under a folder's name, to a folder outside or inside, is never followed: the
// entries of that folder fail and the others are written; once it is gone, a resumed run
// writes them.
TEST_F(BatchTool, ALinkPlantedUnderAFoldersNameIsNotFollowed)
{
    const QString outside = FDir.filePath(QStringLiteral("outside"));
    ASSERT_TRUE(QDir().mkpath(outside));
    ASSERT_TRUE(QDir().mkpath(OutFile(QStringLiteral("0/1"))));
    ASSERT_TRUE(QFile::link(outside, OutFile(QStringLiteral("0/0"))));
    QByteArray input;
    for (int i = 1; i <= 12; ++i)
        input += "T" + QByteArray::number(i) + '\n';
    const TRun refused = Export(input, Nested);
    EXPECT_EQ(refused.ExitCode, 1);
    for (int line = 1; line <= 9; ++line)
        EXPECT_TRUE(refused.Errors.contains(
            QStringLiteral("line %1: Code 3 of 9 (Code 39): error: Cannot create folder \"%2\". "
                           "Something other than a folder holds the name.")
                .arg(line)
                .arg(OutFile(QStringLiteral("0/0")))))
            << refused.Errors.toStdString();
    EXPECT_TRUE(QDir(outside).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_EQ(QDir(OutFile(QStringLiteral("0/1"))).entryList(QDir::Files),
              QStringList({QStringLiteral("T10-010.png"), QStringLiteral("T11-011.png"),
                           QStringLiteral("T12-012.png")}));

    ASSERT_TRUE(QFile::remove(OutFile(QStringLiteral("0/0"))));
    const TRun resumed = Export(input, Nested + QStringList{QStringLiteral("--resume")});
    EXPECT_EQ(resumed.ExitCode, 0) << resumed.Errors.toStdString();
    EXPECT_EQ(QDir(OutFile(QStringLiteral("0/0"))).entryList(QDir::Files).size(), 9);
    EXPECT_EQ(QDir(OutFile(QStringLiteral("0/1"))).entryList(QDir::Files).size(), 3);
}
