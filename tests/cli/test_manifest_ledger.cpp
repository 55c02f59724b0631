// What earlier runs' manifests say of each entry, and the runs of just the entries that did not
// succeed (--only-failed).
#include "cli/manifest_ledger.h"

#include "batch_manifest_lines.h"
#include "batch_tool_fixture.h"

namespace {
// A first run, then a retry: entry 2 succeeds later in the first manifest, entry 4 in the
// retry, entry 1 fails in the retry after its success, entry 6's line was cut short.
const QByteArray FirstRun = R"({"entry":1,"line":1,"status":"written","file":"1.png"}
{"entry":2,"line":2,"status":"failed","error":"error: bad"}
{"entry":3,"line":4,"status":"verified","file":"3.png"}
{"entry":4,"line":5,"status":"not written","error":"disk full"}
{"entry":5,"line":6,"status":"failed","error":"error: bad"}
{"entry":2,"line":2,"status":"kept","file":"2.png"}
not a record
{"entry":6,"line":7,"status":"writ)";
const QByteArray Retry = R"({"entry":4,"line":5,"status":"written","file":"4.png"}
{"entry":1,"line":1,"status":"not written","error":"gone"}
)";

bool Anything(qint64)
{
    return true;
}
} // namespace

TEST(ManifestLedger, TheLastRecordOfAnEntryDecidesInTheOrderTheManifestsAreGiven)
{
    TTemporaryFolder folder;
    const QString first = folder.Write(QStringLiteral("first.jsonl"), FirstRun);
    const QString retry = folder.Write(QStringLiteral("retry.jsonl"), Retry);
    QString error;
    const std::optional<TManifestLedger> ledger =
        TManifestLedger::Read({first, retry}, Anything, error);
    ASSERT_TRUE(ledger) << error.toStdString();
    const struct
    {
        qint64 Entry;
        bool Succeeded;
    } cases[] = {{1, false}, {2, true}, {3, true}, {4, true}, {5, false}, {6, false}, {7, false}};
    for (const auto& test : cases)
        EXPECT_EQ(ledger->Succeeded(test.Entry), test.Succeeded) << test.Entry;
    EXPECT_EQ(ledger->SucceededIn(1, 8), 3);
    EXPECT_EQ(ledger->SucceededIn(3, 4), 1);
    EXPECT_EQ(ledger->SucceededIn(5, 8), 0);
    ASSERT_EQ(ledger->Problems().size(), 2);
    EXPECT_TRUE(ledger->Problems().at(0).contains(QStringLiteral("line 7")));
    EXPECT_TRUE(ledger->Problems().at(1).contains(QStringLiteral("line 8")));

    // Given the other way round, the first run's records stand over the retry's.
    const std::optional<TManifestLedger> reversed =
        TManifestLedger::Read({retry, first}, Anything, error);
    ASSERT_TRUE(reversed);
    EXPECT_TRUE(reversed->Succeeded(1));
    EXPECT_FALSE(reversed->Succeeded(4));
}

TEST(ManifestLedger, AnEntryOnAnotherLineIsAMismatchNamingItsManifest)
{
    TTemporaryFolder folder;
    const QString first = folder.Write(QStringLiteral("first.jsonl"), FirstRun);
    QString error;
    const std::optional<TManifestLedger> ledger = TManifestLedger::Read(
        {first}, [](qint64 entry) { return entry != 5; }, error);
    ASSERT_TRUE(ledger);
    EXPECT_FALSE(ledger->Mismatch(3, 4, QStringLiteral("in.txt")));
    EXPECT_FALSE(ledger->Mismatch(9, 1, QStringLiteral("in.txt"))); // no record
    EXPECT_FALSE(ledger->Mismatch(5, 1, QStringLiteral("in.txt"))); // not kept
    const std::optional<QString> mismatch = ledger->Mismatch(3, 3, QStringLiteral("in.txt"));
    ASSERT_TRUE(mismatch);
    EXPECT_TRUE(mismatch->contains(first)) << mismatch->toStdString();
    EXPECT_TRUE(mismatch->contains(QStringLiteral("entry 3 on line 4"))) << mismatch->toStdString();

    EXPECT_FALSE(
        TManifestLedger::Read({folder.FilePath(QStringLiteral("none.jsonl"))}, Anything, error));
    EXPECT_TRUE(error.contains(QStringLiteral("none.jsonl"))) << error.toStdString();
}

TEST_F(BatchTool, OnlyFailedWritesTheFailedAndTheUnreachedEntriesOncePerShard)
{
    const QString manifest = FDir.filePath(QStringLiteral("manifest.jsonl"));
    const QStringList record = {QStringLiteral("--manifest"), manifest};
    // A folder under its name fails entry 3; a stopped run never reached entries 5 and 6.
    ASSERT_TRUE(QDir().mkpath(OutFile(QStringLiteral("3.png"))));
    ASSERT_EQ(Export("A\nB\nC\nD\n", record + QStringList{QStringLiteral("--resume")}).ExitCode, 1);
    const QByteArray input = "A\nB\nC\nD\nE\nF\n";
    const QString whole = FDir.filePath(QStringLiteral("whole"));
    ASSERT_EQ(Export(input, {}, whole).ExitCode, 0);

    ASSERT_TRUE(QDir(OutFile(QStringLiteral("3.png"))).removeRecursively());
    // A success is taken from the manifest, not from the folder.
    ASSERT_TRUE(QFile::remove(OutFile(QStringLiteral("1.png"))));
    const QStringList onlyFailed = record + QStringList{QStringLiteral("--only-failed"), manifest};
    for (const char* shard : {"0/2", "1/2", "0/2", "1/2"}) {
        const TRun run = Export(
            input, onlyFailed + QStringList{QStringLiteral("--shard"), QLatin1String(shard)});
        EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
    }
    QMap<QString, QByteArray> expected = FolderContents(whole);
    expected.remove(QStringLiteral("1.png"));
    ExpectSameFiles(expected, FolderContents(Out()));

    // Each of entries 3, 5 and 6 written once by the retries, entry 1 never again.
    std::map<int, int> writes;
    for (const QJsonObject& line : ManifestRecords(manifest))
        writes[line.value(QStringLiteral("entry")).toInt()] +=
            line.value(QStringLiteral("status")).toString() == QStringLiteral("written");
    const std::map<int, int> once = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}};
    EXPECT_EQ(writes, once);
}

TEST_F(BatchTool, OnlyFailedRefusesTheManifestOfAnotherInputBeforeWriting)
{
    const QString manifest = FDir.filePath(QStringLiteral("manifest.jsonl"));
    ASSERT_EQ(Export("A\nB\n", {QStringLiteral("--manifest"), manifest}).ExitCode, 0);
    ASSERT_TRUE(QFile::remove(OutFile(QStringLiteral("2.png"))));
    const struct
    {
        QByteArray Input;
        QString Manifest;
        const char* Message;
    } cases[] = {
        {"\nA\nB\nC\n", manifest, "does not match the input"},
        {"A\nB\nC\n", FDir.filePath(QStringLiteral("none.jsonl")), "Cannot read the manifest"},
    };
    for (const auto& test : cases) {
        const TRun run = Export(test.Input, {QStringLiteral("--only-failed"), test.Manifest});
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_TRUE(run.Errors.contains(QLatin1String(test.Message))) << run.Errors.toStdString();
        EXPECT_EQ(Files(), QStringList{QStringLiteral("1.png")});
    }
}
