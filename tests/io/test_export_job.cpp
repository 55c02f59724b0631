// The loop over the entries of a folder export or a label sheet: outcomes in entry order,
// failures skipped, progress, stopping, several workers, and what a label scaled down says.
#include "pdf_pages.h"

#include "io/export_job.h"
#include "io/label_sheet.h"
#include "render/render_settings.h"
#include "support/temporary_folder.h"
#include "symbol/zint_symbol.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace {
struct TReported
{
    qsizetype Index;
    TEntryOutcome Outcome;
};

// Every callback of one job, as it came.
struct TRecorder
{
    std::vector<TReported> Entries;
    std::vector<std::pair<int, int>> Progress;
    // Stops the job once this many entries have been reported (through the entry callback) or
    // have finished (through the progress callback); -1: never.
    int StopAfterEntry = -1;
    int CancelAfterDone = -1;
    std::set<Qt::HANDLE> Threads;

    TExportCallbacks Callbacks()
    {
        TExportCallbacks callbacks;
        callbacks.EntryDone = [this](qsizetype index, const TEntryOutcome& outcome) {
            Threads.insert(QThread::currentThreadId());
            Entries.push_back({index, outcome});
            return StopAfterEntry < 0 || int(Entries.size()) < StopAfterEntry;
        };
        callbacks.Progress = [this](int done, int total) {
            Threads.insert(QThread::currentThreadId());
            Progress.emplace_back(done, total);
            return CancelAfterDone < 0 || done < CancelAfterDone;
        };
        return callbacks;
    }
};

TExportEntries Entries(const QStringList& texts)
{
    TExportEntries entries;
    for (const QString& text : texts)
        entries.Entries.push_back({text, {}});
    return entries;
}

// The caller's symbols, one per worker.
class TSymbols final
{
public:
    explicit TSymbols(int count)
    {
        for (int i = 0; i < count; ++i)
            FSymbols.push_back(std::make_unique<TZintSymbol>());
    }

    std::vector<TZintSymbol*> Pointers() const
    {
        std::vector<TZintSymbol*> pointers;
        for (const auto& symbol : FSymbols)
            pointers.push_back(symbol.get());
        return pointers;
    }

private:
    std::vector<std::unique_ptr<TZintSymbol>> FSymbols;
};

const QSize PreviewArea(303, 417);

class ExportJob : public testing::Test
{
protected:
    QString Folder(const QString& name) const
    {
        const QString folder = FDir.FilePath(name);
        EXPECT_TRUE(QDir().mkpath(folder));
        return folder;
    }

    static TFolderExport PngFolder(const QString& folder, const QString& names = {})
    {
        TFolderExport target;
        target.Folder = folder;
        target.Names = TNameTemplate::Parse(names.isEmpty() ? QStringLiteral("{n}") : names);
        target.Extension = QStringLiteral(".png");
        return target;
    }

    static QStringList Files(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

    TTemporaryFolder FDir;
};

// EAN entries of which every seventh has letters, so failures fall between and across workers.
QStringList MixedEanTexts(int count)
{
    QStringList texts;
    for (int i = 1; i <= count; ++i)
        texts << (i % 7 == 3 ? QStringLiteral("NOT-DIGITS") : QString::number(590123412300 + i));
    return texts;
}
} // namespace

TEST_F(ExportJob, FailingEntriesAreReportedInOrderAndTheOthersWritten)
{
    // Entry 2 lacks the cell its name is made of, entry 3 is no EAN; 1 and 4 are written.
    TExportEntries entries;
    entries.Header = {QStringLiteral("Code"), QStringLiteral("SKU")};
    entries.Entries = {
        {QStringLiteral("590123412345"), {QStringLiteral("590123412345"), QStringLiteral("first")}},
        {QStringLiteral("9638507"), {QStringLiteral("9638507")}},
        {QStringLiteral("LETTERS"), {QStringLiteral("LETTERS"), QStringLiteral("third")}},
        {QStringLiteral("12345670"), {QStringLiteral("12345670"), QStringLiteral("fourth")}}};
    TSymbols symbols(1);
    TExportJob job(TZintSymbology::zsEANX, TRenderSettings(), PreviewArea, symbols.Pointers());
    const QString folder = Folder(QStringLiteral("out"));
    TRecorder recorder;
    const TExportRun run = job.WriteFiles(entries, PngFolder(folder, QStringLiteral("{col:SKU}")),
                                          recorder.Callbacks());

    EXPECT_EQ(run.Total, 4);
    EXPECT_EQ(run.Reported, 4);
    EXPECT_FALSE(run.Stopped());
    ASSERT_EQ(recorder.Entries.size(), 4u);
    const struct
    {
        TEntryState State;
        const char* Written; // file name, or nullptr for none
    } expected[] = {{TEntryState::esWritten, "first.png"},
                    {TEntryState::esFailed, nullptr},
                    {TEntryState::esFailed, nullptr},
                    {TEntryState::esWritten, "fourth.png"}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const TReported& reported = recorder.Entries[i];
        EXPECT_EQ(reported.Index, qsizetype(i));
        EXPECT_EQ(reported.Outcome.State, expected[i].State);
        if (expected[i].Written) {
            EXPECT_EQ(reported.Outcome.Written,
                      QDir(folder).filePath(QLatin1String(expected[i].Written)));
            EXPECT_TRUE(reported.Outcome.Error.isEmpty());
        } else {
            EXPECT_TRUE(reported.Outcome.Written.isEmpty());
            EXPECT_FALSE(reported.Outcome.Error.isEmpty());
        }
    }
    // The name's failure names the column; the encoder's is its own "error: ...".
    EXPECT_TRUE(recorder.Entries[1].Outcome.Error.contains(QStringLiteral("SKU")))
        << recorder.Entries[1].Outcome.Error.toStdString();
    EXPECT_TRUE(recorder.Entries[2].Outcome.Error.startsWith(QStringLiteral("error: ")))
        << recorder.Entries[2].Outcome.Error.toStdString();
    EXPECT_EQ(Files(folder),
              (QStringList{QStringLiteral("first.png"), QStringLiteral("fourth.png")}));
}

TEST_F(ExportJob, AFolderThatCannotBeWrittenFailsEveryEntryAsNotWritten)
{
    // A folder below a regular file can never be made.
    const QString blocker = FDir.Write(QStringLiteral("blocker"), {});
    TSymbols symbols(1);
    TExportJob job(TZintSymbology::zsCODE128, TRenderSettings(), PreviewArea, symbols.Pointers());
    TRecorder recorder;
    job.WriteFiles(Entries({QStringLiteral("A"), QStringLiteral("B")}),
                   PngFolder(blocker + QStringLiteral("/out")), recorder.Callbacks());
    ASSERT_EQ(recorder.Entries.size(), 2u);
    for (const TReported& reported : recorder.Entries) {
        EXPECT_EQ(reported.Outcome.State, TEntryState::esNotWritten);
        EXPECT_TRUE(reported.Outcome.Error.startsWith(QStringLiteral("Cannot create file")))
            << reported.Outcome.Error.toStdString();
    }
}

TEST_F(ExportJob, StoppingBeginsNoFurtherEntry)
{
    const struct
    {
        const char* Name;
        int StopAfterEntry;
        int CancelAfterDone;
        int Reported;
    } cases[] = {{"cancelled through progress", -1, 2, 2},
                 {"stopped by an entry's outcome", 3, -1, 3},
                 {"cancelled after the last", -1, 5, 5}};
    const QStringList texts = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                               QStringLiteral("D"), QStringLiteral("E")};
    for (const auto& stop : cases) {
        SCOPED_TRACE(stop.Name);
        TSymbols symbols(1);
        TExportJob job(TZintSymbology::zsCODE128, TRenderSettings(), PreviewArea,
                       symbols.Pointers());
        const QString folder = Folder(QLatin1String(stop.Name));
        TRecorder recorder;
        recorder.StopAfterEntry = stop.StopAfterEntry;
        recorder.CancelAfterDone = stop.CancelAfterDone;
        const TExportRun run =
            job.WriteFiles(Entries(texts), PngFolder(folder), recorder.Callbacks());
        EXPECT_EQ(run.Reported, stop.Reported);
        EXPECT_EQ(run.Stopped(), stop.Reported < texts.size());
        ASSERT_EQ(int(recorder.Entries.size()), stop.Reported);
        QStringList written;
        for (int i = 1; i <= stop.Reported; ++i)
            written << QStringLiteral("%1.png").arg(i);
        EXPECT_EQ(Files(folder), written);
    }
}

TEST_F(ExportJob, ProgressCountsTheIncludedEntriesWhichKeepTheWholeRunsNames)
{
    TSymbols symbols(1);
    TExportJob job(TZintSymbology::zsCODE128, TRenderSettings(), PreviewArea, symbols.Pointers());
    const QString folder = Folder(QStringLiteral("even"));
    TFolderExport target = PngFolder(folder, QStringLiteral("{text}"));
    target.Includes = [](qint64 number) { return number % 2 == 0; };
    TRecorder recorder;
    // Entries 2 and 4 have the same name; the second is numbered as one run would number it.
    const TExportRun run = job.WriteFiles(
        Entries({QStringLiteral("same"), QStringLiteral("same"), QStringLiteral("other"),
                 QStringLiteral("same"), QStringLiteral("last")}),
        target, recorder.Callbacks());
    EXPECT_EQ(run.Total, 2);
    EXPECT_EQ(recorder.Progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    ASSERT_EQ(recorder.Entries.size(), 2u);
    EXPECT_EQ(recorder.Entries[0].Index, 1);
    EXPECT_EQ(recorder.Entries[1].Index, 3);
    EXPECT_EQ(Files(folder),
              (QStringList{QStringLiteral("same (2).png"), QStringLiteral("same (3).png")}));
}

TEST_F(ExportJob, SeveralWorkersWriteTheSameFilesAndReportInEntryOrder)
{
    const TExportEntries entries = Entries(MixedEanTexts(30));
    std::vector<TRecorder> recorders(2);
    QStringList folders;
    for (int workers : {1, 3}) {
        TSymbols symbols(workers);
        TExportJob job(TZintSymbology::zsEANX, TRenderSettings(), PreviewArea, symbols.Pointers());
        folders << Folder(QStringLiteral("workers-%1").arg(workers));
        TRecorder& recorder = recorders[folders.size() - 1];
        job.WriteFiles(entries, PngFolder(folders.last()), recorder.Callbacks());
        // Whatever thread wrote an entry, the caller hears of it on its own.
        EXPECT_EQ(recorder.Threads, std::set<Qt::HANDLE>{QThread::currentThreadId()});
        ASSERT_FALSE(recorder.Progress.empty());
        EXPECT_EQ(recorder.Progress.back(), std::make_pair(30, 30));
        for (std::size_t i = 1; i < recorder.Progress.size(); ++i)
            EXPECT_LE(recorder.Progress[i - 1].first, recorder.Progress[i].first);
    }
    ASSERT_EQ(recorders[0].Entries.size(), 30u);
    ASSERT_EQ(recorders[1].Entries.size(), 30u);
    for (std::size_t i = 0; i < 30; ++i) {
        SCOPED_TRACE(i);
        const TReported& one = recorders[0].Entries[i];
        const TReported& three = recorders[1].Entries[i];
        EXPECT_EQ(three.Index, qsizetype(i));
        EXPECT_EQ(one.Outcome.State, three.Outcome.State);
        EXPECT_EQ(one.Outcome.Error, three.Outcome.Error);
        EXPECT_EQ(QFileInfo(one.Outcome.Written).fileName(),
                  QFileInfo(three.Outcome.Written).fileName());
    }
    const QStringList names = Files(folders[0]);
    EXPECT_EQ(names.size(), 30 - 4); // entries 3, 10, 17 and 24 have letters
    EXPECT_EQ(names, Files(folders[1]));
    for (const QString& name : names)
        EXPECT_EQ(ReadWholeFile(QDir(folders[0]).filePath(name)),
                  ReadWholeFile(QDir(folders[1]).filePath(name)))
            << name.toStdString();
}

TEST_F(ExportJob, EveryFileWrittenBeforeACancelIsReported)
{
    TSymbols symbols(3);
    TExportJob job(TZintSymbology::zsQRCODE, TRenderSettings(), PreviewArea, symbols.Pointers());
    const QString folder = Folder(QStringLiteral("cancelled"));
    TRecorder recorder;
    recorder.CancelAfterDone = 1;
    QStringList texts;
    for (int i = 1; i <= 60; ++i)
        texts << QStringLiteral("https://www.kelmora.example/item/%1").arg(i);
    const TExportRun run = job.WriteFiles(Entries(texts), PngFolder(folder), recorder.Callbacks());
    EXPECT_EQ(run.Reported, int(recorder.Entries.size()));
    QStringList reported;
    for (std::size_t i = 0; i < recorder.Entries.size(); ++i) {
        EXPECT_EQ(recorder.Entries[i].Index, qsizetype(i));
        reported << QFileInfo(recorder.Entries[i].Outcome.Written).fileName();
    }
    reported.sort();
    EXPECT_EQ(Files(folder), reported);
}

TEST_F(ExportJob, TheCheckSeesTheWrittenFileAndDecidesTheEntrysState)
{
    TSymbols symbols(2);
    TExportJob job(TZintSymbology::zsCODE128, TRenderSettings(), PreviewArea, symbols.Pointers());
    const QString folder = Folder(QStringLiteral("checked"));
    TFolderExport target = PngFolder(folder);
    target.Check = [](const TZintSymbol& symbol, const QString& text, const QString& written) {
        TEntryOutcome outcome;
        const bool seen =
            QFileInfo::exists(written) && symbol.SymbolType() == TZintSymbology::zsCODE128;
        outcome.State =
            text == QLatin1String("bad") || !seen ? TEntryState::esFailed : TEntryState::esVerified;
        outcome.Note = text + QStringLiteral(" checked");
        return outcome;
    };
    TRecorder recorder;
    const QStringList texts = {QStringLiteral("good"), QStringLiteral("bad")};
    job.WriteFiles(Entries(texts), target, recorder.Callbacks());
    ASSERT_EQ(recorder.Entries.size(), 2u);
    const TEntryState states[] = {TEntryState::esVerified, TEntryState::esFailed};
    for (std::size_t i = 0; i < 2; ++i) {
        const TEntryOutcome& outcome = recorder.Entries[i].Outcome;
        EXPECT_EQ(outcome.State, states[i]);
        EXPECT_EQ(outcome.Note, texts[qsizetype(i)] + QStringLiteral(" checked"));
        EXPECT_EQ(outcome.Written, QDir(folder).filePath(QStringLiteral("%1.png").arg(i + 1)));
        EXPECT_TRUE(outcome.Error.isEmpty());
    }
}

namespace {
// QR codes of 1 mm modules on 30 x 30 mm labels, two by two on A4.
TRenderSettings MillimetreModules()
{
    TRenderSettings settings;
    settings.ModuleSizeMode = TModuleSizeMode::msmMillimetres;
    settings.ModuleSize = 1;
    return settings;
}

TSheetExport SmallLabels(const QString& folder)
{
    return {folder, ReadLabelSheet(QStringLiteral("a4,2x2,30x30,10,5")).Sheet.value(), {}};
}
} // namespace

TEST_F(ExportJob, ALabelSheetReportsLabelsScaledDownAndSkipsFailingEntries)
{
    // Version 1 with its quiet zones is 29 modules: it fits a 30 mm label. A longer text needs a
    // larger version, scaled down to fit; too many digits for any QR code fail.
    const QString fits = QStringLiteral("A");
    const QString scaled = QString(60, QLatin1Char('L'));
    const QString fails = QString(8000, QLatin1Char('7'));
    TSymbols symbols(1);
    TExportJob job(TZintSymbology::zsQRCODE, MillimetreModules(), PreviewArea, symbols.Pointers());
    const QString folder = Folder(QStringLiteral("sheet"));
    TRecorder recorder;
    const TExportRun run = job.WriteLabelSheet(Entries({fits, scaled, fails, fits, scaled}),
                                               SmallLabels(folder), recorder.Callbacks());

    ASSERT_EQ(recorder.Entries.size(), 5u);
    const struct
    {
        TEntryState State;
        bool ScaledDown;
    } expected[] = {{TEntryState::esWritten, false},
                    {TEntryState::esWritten, true},
                    {TEntryState::esFailed, false},
                    {TEntryState::esWritten, false},
                    {TEntryState::esWritten, true}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const TEntryOutcome& outcome = recorder.Entries[i].Outcome;
        EXPECT_EQ(recorder.Entries[i].Index, qsizetype(i));
        EXPECT_EQ(outcome.State, expected[i].State);
        EXPECT_EQ(outcome.Scale < 1, expected[i].ScaledDown) << outcome.Scale;
        EXPECT_EQ(
            outcome.Note,
            expected[i].ScaledDown
                ? QStringLiteral("drawn at %1% to fit the label").arg(int(outcome.Scale * 100))
                : QString());
        EXPECT_GT(outcome.Scale, 0);
        EXPECT_EQ(outcome.Error.isEmpty(), expected[i].State != TEntryState::esFailed);
    }
    EXPECT_EQ(recorder.Progress.back(), std::make_pair(5, 5));
    // The failing entry keeps its label: five labels on four a page make two pages.
    EXPECT_EQ(run.Written, QDir(folder).filePath(QStringLiteral("sheet.pdf")));
    EXPECT_EQ(run.Pages, 2);
    EXPECT_EQ(PdfPageBoxes(ReadWholeFile(run.Written)).size(), 2u);

    const TExportRun again = job.WriteLabelSheet(Entries({fits}), SmallLabels(folder));
    EXPECT_EQ(again.Written, QDir(folder).filePath(QStringLiteral("sheet (2).pdf")));
    EXPECT_EQ(again.Pages, 1);
}

// Nothing to show (no entries, a stop, or every entry failing) publishes no sheet.
TEST_F(ExportJob, ALabelSheetWithoutEntriesOrCancelledOrAllFailedWritesNoFile)
{
    TSymbols symbols(1);
    TExportJob job(TZintSymbology::zsQRCODE, MillimetreModules(), PreviewArea, symbols.Pointers());
    const QString folder = Folder(QStringLiteral("none"));
    const TExportRun empty = job.WriteLabelSheet(Entries({}), SmallLabels(folder));
    EXPECT_EQ(empty.Total, 0);
    EXPECT_TRUE(empty.Written.isEmpty());

    TRecorder recorder;
    recorder.CancelAfterDone = 1;
    const TExportRun cancelled =
        job.WriteLabelSheet(Entries({QStringLiteral("A"), QStringLiteral("B")}),
                            SmallLabels(folder), recorder.Callbacks());
    EXPECT_TRUE(cancelled.Stopped());
    EXPECT_EQ(cancelled.Reported, 1);
    EXPECT_TRUE(cancelled.Written.isEmpty());

    const QString tooLong(8000, QLatin1Char('7'));
    TRecorder failures;
    const TExportRun failed =
        job.WriteLabelSheet(Entries({tooLong, tooLong}), SmallLabels(folder), failures.Callbacks());
    EXPECT_FALSE(failed.Stopped());
    EXPECT_EQ(failed.Placed, 0);
    EXPECT_TRUE(failed.Written.isEmpty());
    ASSERT_EQ(failures.Entries.size(), 2u);
    for (const auto& entry : failures.Entries)
        EXPECT_EQ(entry.Outcome.State, TEntryState::esFailed);
    EXPECT_EQ(Files(folder), QStringList());
}
