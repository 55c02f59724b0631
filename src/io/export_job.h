#pragma once

#include "io/entry_outcome.h"
#include "io/label_sheet.h"
#include "io/label_sheet_painter.h"
#include "io/name_template.h"
#include "render/render_settings.h"
#include "symbol/zint_symbology.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TZintSymbol;

// One entry of an export: its text and, for names made of columns, its record's cells.
struct TExportEntry
{
    QString Text;
    QStringList Cells;
};

// What an export works through: the entries in order and the header that names their cells.
struct TExportEntries
{
    QStringList Header;
    std::vector<TExportEntry> Entries;
};

// Hands an export its entries one at a time, in order, so that a long input need not be held.
class TExportEntrySource
{
public:
    virtual ~TExportEntrySource() = default;
    // The next entry; false after the last.
    virtual bool Next(TExportEntry& entry) = 0;
};

// Where a folder export writes, and how it names its files.
struct TFolderExport
{
    QString Folder;
    TNameTemplate Names;
    QString Extension; // decides the format written
    // The entries written, by number; unset: all. The names are planned over all entries
    // either way, so a part of a run names its files as the whole run would.
    std::function<bool(qint64 number)> Includes;
    // Run after an entry's file is written, on the thread that wrote it, with the symbol that
    // encoded it; its state and note stand for the entry then. May be unset.
    std::function<TEntryOutcome(const TZintSymbol& symbol, const QString& text,
                                const QString& written)>
        Check;
    // The number of the first entry: a slice of a longer input numbers its entries, and names
    // them by {n}, as the whole input would.
    qint64 FirstNumber = 1;
    // Resuming: an entry whose planned name holds a complete file already (HoldsPublishedFile)
    // is esKept, and an entry is written under its planned name only, never a numbered
    // neighbour, so runs repeated into one folder leave every entry there once. The
    // temporaries killed runs left in the folders written to are removed.
    bool KeepWritten = false;
};

// Where a label sheet goes and how it looks.
struct TSheetExport
{
    QString Folder;
    TLabelSheet Sheet;
    TLabelPlacement Placement;
};

// How the caller follows a job, on the thread that runs it. Either may be unset.
struct TExportCallbacks
{
    // Each entry's outcome, in entry order; `index` counts the job's entries from 0. False:
    // no further entry is begun.
    std::function<bool(qsizetype index, const TEntryOutcome& outcome)> EntryDone;
    // After each entry (with several workers also a few times a second while entries take
    // longer): how many of the entries to run are finished. False cancels those not begun.
    std::function<bool(int done, int total)> Progress;
};

struct TExportRun
{
    int Total = 0;    // entries the job was to run
    int Reported = 0; // entries run and reported; fewer when the caller stopped the job
    QString Written;  // a label sheet: the file written, empty when none was
    int Pages = 0;    // a label sheet: its pages
    int Placed = 0;   // a label sheet: the labels drawn
    // A label sheet: the labels with something drawn where most printers cannot print.
    int NearPaperEdge = 0;

    bool Stopped() const { return Reported < Total; }
};

// The loop over the entries of an export, shared by the window's "Save all to folder..." and
// "Save all as label sheet..." and by lintaro-batch, so that all of them write the same files
// and hear of the same outcomes. An entry that fails (its name, its encoding, its layout, its
// file) is reported and skipped; the job goes on.
class TExportJob final
{
public:
    // One symbol per worker, the caller's, used by nothing else while the job runs. With one,
    // the entries run on the calling thread one after another; with more, on as many threads.
    // The calling thread need not be the one that made the settings.
    TExportJob(TZintSymbology symbology, const TRenderSettings& settings, QSize previewArea,
               std::vector<TZintSymbol*> symbols);
    ~TExportJob();
    TExportJob(const TExportJob&) = delete;
    TExportJob& operator=(const TExportJob&) = delete;

    // Writes every included entry into a file of its own in the folder, or the subfolder its
    // name places it in (TOutputSubfolders), under its planned name or the next free numbered
    // one; never replaces a file. A file the folder or the disk
    // refuses is esNotWritten, every other failure esFailed.
    TExportRun WriteFiles(const TExportEntries& entries, const TFolderExport& target,
                          const TExportCallbacks& callbacks = {});
    // The same over entries handed out one at a time, of a table with `header`; `total` is how
    // many of them target.Includes takes, for the progress. Only a few entries per worker are
    // held at a time; callbacks' indices count all entries the source handed out from 0.
    TExportRun WriteFiles(TExportEntrySource& source, const QStringList& header, int total,
                          const TFolderExport& target, const TExportCallbacks& callbacks = {});

    // Puts every entry on the next label of one PDF and publishes it in the folder as
    // "sheet.pdf" ("sheet (2).pdf", ...), as PaintLabels does. No entries, a stopped job, or
    // one whose every entry failed, write no file. Raises EZintException when the sheet cannot
    // be made, ECannotCreateFile when it cannot be published.
    TExportRun WriteLabelSheet(const TExportEntries& entries, const TSheetExport& target,
                               const TExportCallbacks& callbacks = {});

    // Renders every entry as the exports do and writes nothing: the outcome of an entry that
    // would fail carries its error, the others none.
    TExportRun CheckEntries(const TExportEntries& entries, const TExportCallbacks& callbacks = {});

    // Draws every entry on the next label of the painter, on the calling thread with the first
    // symbol, sized for its label when the placement asks. An entry that fails leaves its label
    // empty. Its note tells what had to give: "drawn at P% to fit the label", a module below
    // the symbology's minimum, text lines shrunk or cut; its Scale and Label say so too.
    TExportRun PaintLabels(const TExportEntries& entries, TLabelSheetPainter& labels,
                           const TExportCallbacks& callbacks = {});

private:
    struct TWorker;
    using TEntryStep = std::function<TEntryOutcome(TWorker& worker, qsizetype index)>;

    TExportRun Run(const std::vector<qsizetype>& selected, std::size_t workers,
                   const TEntryStep& step, const TExportCallbacks& callbacks);

    TZintSymbology FSymbology;
    QSize FPreviewArea;
    std::vector<TWorker> FWorkers;
};
