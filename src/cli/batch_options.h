#pragma once

#include "cli/batch_progress.h"
#include "cli/batch_shard.h"
#include "cli/batch_values.h"
#include "io/label_sheet.h"
#include "io/label_sheet_painter.h"
#include "io/name_template.h"
#include "io/text_import.h"
#include "render/render_settings.h"
#include "symbol/zint_symbology.h"

#include <QChar>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// Everything one batch run needs, read from the command line.
struct TBatchSettings
{
    QString InputPath; // "-" reads standard input
    QString OutputFolder;
    TZintSymbology Symbology = TZintSymbology::zsCODE39;
    QString Extension = QStringLiteral(".png"); // decides the written format
    TNameTemplate Names;                        // the file names; "{n}" by default
    TBatchShard Shard;                          // the part of the entries this run writes
    // The number of the input's first entry: the input is a slice of a longer one.
    qint64 FirstNumber = 1;
    // Write only the entries whose file is not in the folder yet (TFolderExport::KeepWritten).
    bool Resume = false;
    QString ManifestPath; // where the entries are recorded (TBatchManifest); empty: nowhere
    // Manifests of earlier runs: only the entries whose last record there is not a success are
    // written, as with Resume (TManifestLedger).
    QStringList OnlyFailed;
    TProgressFormat Progress = TProgressFormat::pfTerminal;
    TProgressEvery ProgressEvery;
    // --check-manifest: the manifests checked and, when no input is given, how many entries
    // there are.
    QStringList CheckedManifests;
    qint64 ExpectedCount = -1;
    TTextEncoding Encoding = TTextEncoding::teUtf8;
    // Set for a CSV or TSV input: the delimiter of its fields. Unset: one text per line.
    std::optional<QChar> TableDelimiter;
    QString TextColumn = QStringLiteral("1"); // a header name or a 1-based number
    bool TableHasHeader = true;
    // The room for fitted modules and filled rows, and the image size for "preview".
    QSize PreviewArea{303, 417};
    TRenderSettings Render;
    int Jobs = 1;        // entries rendered at the same time, each worker with its own symbol
    bool Verify = false; // decode every written file again and fail entries that misread
    // "SET.PROPERTY" and value, applied in command-line order.
    QList<std::pair<QString, QString>> PropertyWrites;
    // With a sheet, every entry becomes a label of one PDF instead of a file of its own.
    std::optional<TLabelSheet> Sheet;
    // Centred on their labels unless --halign or --valign say otherwise.
    TLabelPlacement SheetPlacement;
};

enum class TBatchCommand
{
    bcRun,
    bcListSymbologies,
    bcListSheets,
    bcCheckManifest,
    bcHelp,
    bcVersion,
    bcUsageError
};

struct TBatchParseResult
{
    TBatchCommand Command = TBatchCommand::bcUsageError;
    TBatchSettings Settings;
    QString Text; // the help text, the list of label products, or the message of a usage error
    // What the run should tell before it starts: lengths drawn other than asked, label
    // templates that could not be read.
    QStringList Warnings;
};

// Reads the arguments (the program name first). Every --option is tried on a scratch symbol,
// so a bad property path or value is a usage error before anything is rendered.
TBatchParseResult ParseBatchOptions(const QStringList& arguments);
