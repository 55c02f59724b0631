// File names from a template, and one run split into shards.
#include "batch_tool_fixture.h"

#include "io/qt_printers.h"
#include "io/safe_file_name.h"

#include <memory>
#include <vector>

namespace {

// Runs the shards K/3 into `folder`, all at once as an array job starts them, or one after
// another from the last, as a scheduler may also run them. Answers each shard's standard error
// and exit code, by K.
std::vector<std::pair<QString, int>> RunShards(const QStringList& options, const QString& folder,
                                               bool together)
{
    std::vector<std::unique_ptr<QProcess>> shards;
    std::vector<std::pair<QString, int>> results(3);
    const auto finish = [&results](QProcess& shard, int k) {
        EXPECT_TRUE(shard.waitForFinished(120000));
        results[std::size_t(k)] = {QString::fromUtf8(shard.readAllStandardError()),
                                   shard.exitCode()};
        EXPECT_FALSE(results[std::size_t(k)].first.contains(QStringLiteral("runtime error")))
            << results[std::size_t(k)].first.toStdString();
    };
    for (int k = 2; k >= 0; --k) {
        shards.push_back(std::make_unique<QProcess>());
        shards.back()->start(QStringLiteral(LINTARO_BATCH_EXECUTABLE),
                             QStringList{QStringLiteral("-o"), folder, QStringLiteral("--shard"),
                                         QStringLiteral("%1/3").arg(k)} +
                                 options);
        if (!together)
            finish(*shards.back(), k);
    }
    if (together)
        for (int k = 2; k >= 0; --k)
            finish(*shards[std::size_t(2 - k)], k);
    return results;
}
} // namespace

TEST_F(BatchTool, HostileTextsNameFilesInsideTheFolderAndNothingIsReplaced)
{
    const QStringList texts = {
        QStringLiteral("../x"),        QStringLiteral("a/b"),
        QStringLiteral("a:b"),         QStringLiteral("a\\b"),
        QStringLiteral("a_b"),         QStringLiteral("CON"),
        QStringLiteral("con.txt"),     QStringLiteral(".."),
        QStringLiteral("/etc/passwd"), QStringLiteral("ü") + QString(299, u'x')};
    ASSERT_TRUE(QDir().mkpath(Out()));
    QFile taken(OutFile(QStringLiteral("a_b.png")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("taken");
    taken.close();

    const TRun run = Export(texts.join(u'\n').toUtf8() + '\n',
                            {QStringLiteral("-s"), QStringLiteral("qr"), QStringLiteral("--name"),
                             QStringLiteral("{text}"), QStringLiteral("-j"), QStringLiteral("3")});
    ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();

    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("input.txt"), QStringLiteral("out")}))
        << "nothing outside the folder";
    const QMap<QString, QByteArray> written = FolderContents(Out());
    EXPECT_EQ(written.value(QStringLiteral("a_b.png")), QByteArray("taken"));
    for (const QString& name :
         {QStringLiteral("_._x.png"), QStringLiteral("_CON.png"), QStringLiteral("_con.txt.png"),
          QStringLiteral("8.png"), QStringLiteral("_etc_passwd.png"),
          QStringLiteral("ü") + QString(94, u'x') + QStringLiteral("\u2026") + QString(97, u'x') +
              QStringLiteral(".png")})
        EXPECT_TRUE(written.contains(name)) << name.toStdString();
    // Every text is in a file of its own; names differing in a forbidden character included.
    QStringList decoded;
    for (auto it = written.begin(); it != written.end(); ++it) {
        if (it.key() == QLatin1String("a_b.png"))
            continue;
        EXPECT_LE(it.key().toUtf8().size(), MaxSafeFileNameBytes + qsizetype(sizeof(" (9)")))
            << it.key().toStdString();
        decoded << DecodeFile(OutFile(it.key()), ZXing::BarcodeFormat::QRCode).Text;
    }
    QStringList expected = texts;
    expected.sort();
    decoded.sort();
    EXPECT_EQ(decoded, expected);
}

TEST_F(BatchTool, AMalformedNameTemplateOrShardIsAUsageErrorBeforeAnythingIsWritten)
{
    const std::pair<QStringList, const char*> cases[] = {
        {{QStringLiteral("--name"), QStringLiteral("{txt}")}, "unknown field {txt}"},
        {{QStringLiteral("--name"), QStringLiteral("{n")}, "never closed"},
        {{QStringLiteral("--shard"), QStringLiteral("3/3")}, "--shard: \"3/3\""},
    };
    for (const auto& [options, message] : cases) {
        SCOPED_TRACE(options.join(u' ').toStdString());
        const TRun run = Export("ONE\n", options);
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_TRUE(run.Errors.contains(QString::fromUtf8(message))) << run.Errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(Out()));
    }
}

TEST_F(BatchTool, ThreeShardsIntoOneFolderWriteTheFilesOfOneRunByteForByte)
{
    // Entries 3, 7 and 11, one in each shard, differ only in a forbidden character: they share
    // one name, and which entry gets it must not depend on which shard runs first.
    const char forbidden[] = {'/', ':', '|'};
    QByteArray input;
    for (int i = 1; i <= 14; ++i)
        input += (i % 4 == 3 ? QByteArray("SAME") + forbidden[i / 4] + "ENTRY"
                             : "ITEM-" + QByteArray::number(i)) +
                 '\n';
    input += QByteArray(80, 'L') + '\n'; // entry 15 fails: too long for Code 128
    input += "\n7\n";                    // an empty line is no entry; "7" may clash with {n}
    const QString inputPath = WriteInput(input);

    for (const char* pattern : {"{n}", "{text}"}) {
        SCOPED_TRACE(pattern);
        const QStringList options = QuietZone + QStringList{QStringLiteral("-s"),
                                                            QStringLiteral("code128"),
                                                            QStringLiteral("--name"),
                                                            QString::fromUtf8(pattern),
                                                            QStringLiteral("-j"),
                                                            QStringLiteral("2"),
                                                            inputPath};
        const QString whole =
            FDir.filePath(QStringLiteral("whole %1").arg(QString::fromUtf8(pattern)));
        const TRun run = Run(QStringList{QStringLiteral("-o"), whole} + options);
        EXPECT_EQ(run.ExitCode, 1) << run.Errors.toStdString();
        const QMap<QString, QByteArray> expected = FolderContents(whole);

        for (const bool together : {true, false}) {
            SCOPED_TRACE(together ? "together" : "one after another");
            const QString sharded = FDir.filePath(
                QStringLiteral("sharded %1 %2").arg(QString::fromUtf8(pattern)).arg(together));
            const auto shards = RunShards(options, sharded, together);
            // Entry 15 on line 15 is in shard 0 and the only one to fail.
            EXPECT_EQ(shards[0].second, 1);
            EXPECT_TRUE(shards[0].first.contains(QStringLiteral("line 15: ")))
                << shards[0].first.toStdString();
            EXPECT_EQ(shards[1].second, 0);
            EXPECT_TRUE(shards[1].first.startsWith(QStringLiteral("written 6, failed 0")))
                << shards[1].first.toStdString();
            EXPECT_EQ(shards[2].second, 0);
            ExpectSameFiles(expected, FolderContents(sharded));
        }
    }
}
