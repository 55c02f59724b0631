// The JSON lines record a run keeps of its entries (--manifest).
#include "batch_manifest_lines.h"
#include "batch_tool_fixture.h"

TEST_F(BatchTool, TheManifestRecordsEveryEntryWithItsFileOrError)
{
    const QString manifest = FDir.filePath(QStringLiteral("manifest.jsonl"));
    const QStringList options = {QStringLiteral("-s"),
                                 QStringLiteral("zsEANX"),
                                 QStringLiteral("--manifest"),
                                 manifest,
                                 QStringLiteral("--first-number"),
                                 QStringLiteral("11")};
    const QByteArray input = "590123412345\n\nABC\n9638507\n";
    ASSERT_EQ(Export(input, options).ExitCode, 1);
    // Run again into the same folder: appended, and the files there are kept.
    ASSERT_EQ(Export(input, options + QStringList{QStringLiteral("--resume")}).ExitCode, 1);

    const std::vector<QJsonObject> records = ManifestRecords(manifest);
    ASSERT_EQ(records.size(), 6u);
    const struct
    {
        int Entry;
        int Line;
        const char* Status;
    } expected[] = {{11, 1, "written"}, {12, 3, "failed"}, {13, 4, "written"},
                    {11, 1, "kept"},    {12, 3, "failed"}, {13, 4, "kept"}};
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(i);
        const QJsonObject& record = records[i];
        EXPECT_EQ(record.value(QStringLiteral("entry")).toInt(), expected[i].Entry);
        EXPECT_EQ(record.value(QStringLiteral("line")).toInt(), expected[i].Line);
        EXPECT_EQ(record.value(QStringLiteral("status")).toString(),
                  QString::fromUtf8(expected[i].Status));
        if (expected[i].Entry == 12) {
            EXPECT_TRUE(record.value(QStringLiteral("error")).toString().contains(u"error"));
            EXPECT_FALSE(record.contains(QStringLiteral("file")));
        } else {
            EXPECT_EQ(record.value(QStringLiteral("file")).toString(),
                      QStringLiteral("%1.png").arg(expected[i].Entry));
            EXPECT_TRUE(RecordMatchesItsFile(record, Out()));
        }
    }
}

TEST_F(BatchTool, AManifestThatCannotBeOpenedStopsTheRunBeforeAnyFile)
{
    const TRun run = Export("A\n", {QStringLiteral("--manifest"),
                                    FDir.filePath(QStringLiteral("missing/manifest.jsonl"))});
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_TRUE(run.Errors.contains(QStringLiteral("Cannot open the manifest")))
        << run.Errors.toStdString();
    EXPECT_EQ(Files(), QStringList());
}
