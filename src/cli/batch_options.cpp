#include "cli/batch_options.h"

#include "base/zint_exception.h"
#include "cli/batch_length_report.h"
#include "cli/manifest_options.h"
#include "cli/sheet_list.h"
#include "cli/sheet_options.h"
#include "io/label_products.h"
#include "symbol/property_registry.h"
#include "symbol/symbology_names.h"
#include "symbol/zint_symbol.h"

#include <QCommandLineParser>
#include <QThread>

namespace {
struct TUsageError
{
    QString Message;
};

QString InvalidValue(const QString& option, const QString& value)
{
    return QStringLiteral("Invalid value for --%1: \"%2\"").arg(option, value);
}

// Reads a set option through `read` into `field`; a value it cannot read is a usage error.
template <typename T, typename TRead>
void ReadOption(const QCommandLineParser& parser, const QString& name, TRead read, T& field)
{
    if (!parser.isSet(name))
        return;
    const QString value = parser.value(name);
    const auto parsed = read(value);
    if (!parsed)
        throw TUsageError{InvalidValue(name, value)};
    field = *parsed;
}

// Reads a set option that changes several settings at once.
template <typename TRead>
void ReadSettingOption(const QCommandLineParser& parser, const QString& name, TRead read,
                       TRenderSettings& settings)
{
    if (parser.isSet(name) && !read(parser.value(name), settings))
        throw TUsageError{InvalidValue(name, parser.value(name))};
}

QString DisplayName(TZintSymbology symbology)
{
    return QString::fromUtf8(SymbologyCatalogue[std::size_t(symbology)].DisplayName);
}

// Names enough for the user to pick from; beyond that the list is --list-symbologies' job.
constexpr std::size_t MaxNamedCandidates = 8;

QString QuotedNames(const std::vector<TZintSymbology>& symbologies)
{
    QStringList names;
    for (TZintSymbology symbology : symbologies)
        names << QLatin1Char('"') + DisplayName(symbology) + QLatin1Char('"');
    return names.join(QStringLiteral(", "));
}

void ReadSymbology(const QCommandLineParser& parser, TZintSymbology& symbology)
{
    const QString option = QStringLiteral("symbology");
    if (!parser.isSet(option))
        return;
    const QString value = parser.value(option);
    const TSymbologyLookup lookup = LookUpSymbology(value);
    if (lookup.Matches.size() == 1) {
        symbology = lookup.Matches.front();
        return;
    }
    QString message = InvalidValue(option, value);
    if (lookup.Matches.size() > MaxNamedCandidates)
        message += QStringLiteral("; it fits %1 symbologies; see --list-symbologies.")
                       .arg(lookup.Matches.size());
    else if (!lookup.Matches.empty())
        message +=
            QStringLiteral("; it fits several symbologies: %1.").arg(QuotedNames(lookup.Matches));
    else if (!lookup.Suggestions.empty())
        message += QStringLiteral("; did you mean %1?").arg(QuotedNames(lookup.Suggestions));
    throw TUsageError{message};
}

void AddOptions(QCommandLineParser& parser)
{
    const auto add = [&parser](const QStringList& names, const char* description,
                               const char* valueName = nullptr) {
        parser.addOption(QCommandLineOption(names, QLatin1String(description),
                                            valueName ? QLatin1String(valueName) : QString()));
    };
    const auto name = [](const char* text) { return QStringList{QLatin1String(text)}; };
    parser.setApplicationDescription(QStringLiteral(
        "Writes one barcode image per non-empty line of INPUT (per record with text in the "
        "column of a CSV or TSV INPUT) into DIR, named by --name (the entry number by default: "
        "1.png, 2.png, ...); "
        "existing files are never replaced."));
    parser.addHelpOption();
    parser.addVersionOption();
    add({QStringLiteral("o"), QStringLiteral("output")},
        "Required. Folder the images are written to; created when missing.", "DIR");
    add({QStringLiteral("s"), QStringLiteral("symbology")},
        "Display name, a part of it or a common name (code128, ean13, qr, gs1-128; case, "
        "blanks and hyphens do not count), enumeration name (zsQRCODE) or library number. "
        "Default: Code 39.",
        "NAME");
    add({QStringLiteral("f"), QStringLiteral("format")},
        "png, jpeg (or jpg), gif, bmp, svg or pdf (drawn as vectors, sized by --dpi). "
        "Default: png.",
        "FORMAT");
    add(name("encoding"), "ansi, ascii, utf-16le, utf-16be, utf-8 or utf-7. Default: utf-8.",
        "ENCODING");
    add(name("csv"), "INPUT is a CSV file (RFC 4180 quoting); each record is one entry.");
    add(name("tsv"), "INPUT is a TSV file (tab-separated, quoted like CSV).");
    add(name("column"),
        "The column that holds the texts of a --csv or --tsv INPUT: a header name (letter case "
        "does not count) or a number from 1. Default: 1.",
        "NAME|NUMBER");
    add(name("header"), "The first record of a --csv or --tsv INPUT names the columns (default).");
    add(name("no-header"),
        "The first record of a --csv or --tsv INPUT is an entry like the others.");
    add(name("size"), "Fixed image size in pixels (the same as --image-size WxH).", "WxH");
    add(name("image-size"),
        "fit (the symbol with its bands and quiet zones), preview (the preview area) or WxH. "
        "Default: fit.",
        "SIZE");
    add(name("preview-area"),
        "The preview area: the image size for --image-size preview, and the room that "
        "--module fit and --bar-height fill take. Default: 303x417.",
        "WxH");
    add(name("module"),
        "Module width: whole pixels (2), a length at --dpi (0.33mm, 0.013in), fit (whole "
        "pixels that fill the image) or fit-exact (fractional). Default: 2. MaxiCode, of one "
        "fixed size, takes its standard size at --dpi instead of whole pixels.",
        "SIZE");
    add(name("bar-height"),
        "Bar height of single-row symbols: standard (the symbology's own), modules (50), a "
        "length (15mm, 0.6in) or fill. Default: standard.",
        "HEIGHT");
    add(name("quiet-zones"),
        "standard (the symbology's quiet zones, in modules; --whitespace adds to them) or "
        "none. Default: standard.",
        "ZONES");
    add(name("dpi"),
        "Resolution for lengths, written into PNG, JPEG, BMP, SVG and PDF files (GIF has no "
        "field for it). Default: 300.",
        "DPI");
    add(name("caption-size"),
        "Text size: font (the font's own), pixels (12) or a share of the module width (6m); "
        "text wider than the symbol, and EAN/UPC digits wider than their place between the bars, "
        "are always set smaller. Default: font.",
        "SIZE");
    add(name("primary"),
        "Primary message of composite symbols and MaxiCode. Default: none: a composite takes "
        "a standard linear component, MaxiCode encodes the text alone.",
        "TEXT");
    add(name("adjust"), "scale or inflate. Default: scale.", "MODE");
    add(name("fg"), "Bar colour: #RRGGBB or a colour name. Default: Black.", "COLOR");
    add(name("bg"), "Background colour: #RRGGBB or a colour name. Default: White.", "COLOR");
    add(name("hide-text"), "Do not draw the human-readable text.");
    add(name("font"), "Text font. Default: Liberation Mono,19.", "FAMILY,PIXELS");
    for (const char* band : {"margin", "padding", "border", "whitespace", "text-spacing"})
        add(name(band), "One length or T,L,R,B; a trailing m counts modules. Default: 0.",
            "LENGTHS");
    add(name("halign"), "left, center or right. Default: left (on a --sheet label: center).",
        "ALIGN");
    add(name("valign"), "top, center or bottom. Default: top (on a --sheet label: center).",
        "ALIGN");
    add(name("min-module"), "Minimum fitted module width (--module fit); 0 for none.", "WIDTH");
    add(name("max-module"), "Maximum fitted module width (--module fit); 0 for none.", "WIDTH");
    add(name("hexagon-scale"), "MaxiCode hexagon scale. Default: 1.", "SCALE");
    add(name("option"),
        "Option of the chosen symbology's option set, repeatable "
        "(QRCodeOptions.ECCLevel=qreLevelH with -s zsQRCODE).",
        "SET.PROPERTY=VALUE");
    add(name("name"),
        "File names, the format's extension added: {n} the entry number, {n:04} the number "
        "zero-padded to 4 digits, {n:09/3} the same to 9 digits, and the file put into "
        "subfolders of DIR named by all but the last 3 of them, 3 digits each (000/123/"
        "000123456.png), {text} the entry's text, {col:NAME} or {col:3} a column of a "
        "table input; {{ and }} write braces. Path separators, control characters and "
        "characters Windows or macOS forbid become _, Windows device names get a leading _, "
        "names are cut to 200 bytes, a name with nothing left becomes the number, and a "
        "name given or taken already gets \" (2)\". Default: {n}.",
        "TEMPLATE");
    add(name("shard"),
        "Write only the entries whose number modulo N is K (K from 0 to N-1), numbered and "
        "named as in the whole run: the runs K = 0 to N-1 into one empty folder write the "
        "files of one run. Default: 0/1.",
        "K/N");
    add(name("first-number"),
        "The number of the input's first entry, for an input that is a slice of a longer one: "
        "its entries are numbered, named by {n} and split by --shard as "
        "in the whole input. Names made of texts or columns that repeat are told apart only "
        "within the slice. Default: 1.",
        "N");
    add(name("resume"),
        "Write only the entries whose file is missing: an entry whose name holds a complete "
        "file already (any file but an empty one; files appear only complete) is kept as it "
        "is and never written again as \" (2)\". Runs of any shard repeated into one folder "
        "leave each entry there once. Hidden temporary files that killed runs left in the "
        "folders written to are removed.");
    add(name("manifest"),
        "Append a JSON line per entry to FILE as the entry finishes: entry number, input line, "
        "status (written, verified, not verifiable, unconfirmed, kept, failed, not written), "
        "and the file's name, bytes and SHA-256, or the error. An interrupted run leaves a true "
        "record; shards and retries may share one file.",
        "FILE");
    AddManifestOptions(parser);
    add(name("progress"),
        "terminal (a line rewritten on a terminal; the default), jsonl (a JSON line on "
        "standard error now and then and at the end: shard, shards, total, done, written, "
        "kept, failed, seconds, rate, and exit on the last) or none.",
        "FORMAT");
    add(name("progress-every"),
        "How often --progress jsonl writes: entries (500) or seconds (30s). Default: 10s.", "N|Ns");
    add({QStringLiteral("j"), QStringLiteral("jobs")},
        "Entries rendered in parallel. Default: the number of processor cores.", "N");
    add(name("verify"),
        "Decode every written file again as it stands with ZXing-C++ and, when installed, zbar; "
        "an entry that one of them reads as its text is verified. An entry read as another text "
        "counts as failed and its file is renamed N.failed.EXT (never replacing a file); one "
        "that no reader reads at all is kept and counts as unconfirmed. Symbologies no reader "
        "reads count as not verifiable.");
    AddSheetOptions(parser);
    add(name("list-symbologies"),
        "List index, library number, enumeration name, display name and common names of every "
        "symbology.");
    // The usage line names -o, which every run needs.
    parser.addPositionalArgument(
        QStringLiteral("INPUT"),
        QStringLiteral("Text file, one text per line, or a table with --csv or --tsv; - for "
                       "standard input."),
        QStringLiteral("-o DIR INPUT"));
}

// An option set the chosen symbology does not read would be accepted here and then change
// nothing, or fail every entry; the catalogue knows which set belongs to which symbology.
void CheckOptionSetApplies(const QString& write, const QString& path, TZintSymbology symbology)
{
    const TSymbologyEntry& entry = SymbologyCatalogue[std::size_t(symbology)];
    const QString set = path.section(QLatin1Char('.'), 0, 0);
    if (entry.OptionSet && set.compare(QLatin1String(entry.OptionSet), Qt::CaseInsensitive) == 0)
        return;
    const QString own = entry.OptionSet
                            ? QStringLiteral("only %1 applies").arg(QLatin1String(entry.OptionSet))
                            : QStringLiteral("it has no option set");
    throw TUsageError{QStringLiteral("--option %1: %2 does not apply to %3; %4.")
                          .arg(write, set, DisplayName(symbology), own)};
}

void ReadPropertyWrites(const QCommandLineParser& parser, TBatchSettings& settings)
{
    TZintSymbol scratch;
    scratch.SetSymbolType(settings.Symbology);
    for (const QString& write : parser.values(QStringLiteral("option"))) {
        const qsizetype equals = write.indexOf(QLatin1Char('='));
        if (equals <= 0)
            throw TUsageError{InvalidValue(QStringLiteral("option"), write)};
        const QString path = write.left(equals);
        const QString value = write.mid(equals + 1);
        CheckOptionSetApplies(write, path, settings.Symbology);
        try {
            WritePropertyPath(&scratch, path, PropertyValue(value), QLatin1Char('.'));
        } catch (const EZintException& error) {
            throw TUsageError{
                QStringLiteral("--option %1: %2").arg(write, QString::fromUtf8(error.what()))};
        }
        settings.PropertyWrites.append({path, value});
    }
}

// The two options of a pair exclude each other.
void CheckNotBoth(const QCommandLineParser& parser, const QString& first, const QString& second)
{
    if (parser.isSet(first) && parser.isSet(second))
        throw TUsageError{QStringLiteral("--%1 and --%2 exclude each other.").arg(first, second)};
}

void ReadTableOptions(const QCommandLineParser& parser, TBatchSettings& settings)
{
    const QString csv = QStringLiteral("csv");
    const QString tsv = QStringLiteral("tsv");
    const QString header = QStringLiteral("header");
    const QString noHeader = QStringLiteral("no-header");
    const QString column = QStringLiteral("column");
    CheckNotBoth(parser, csv, tsv);
    CheckNotBoth(parser, header, noHeader);
    if (parser.isSet(csv))
        settings.TableDelimiter = QLatin1Char(',');
    else if (parser.isSet(tsv))
        settings.TableDelimiter = QLatin1Char('\t');
    // Given for a plain text file they would be ignored without a word.
    for (const QString& option : {column, header, noHeader})
        if (parser.isSet(option) && !settings.TableDelimiter)
            throw TUsageError{QStringLiteral("--%1 needs --csv or --tsv.").arg(option)};
    if (parser.isSet(column)) {
        settings.TextColumn = parser.value(column).trimmed();
        if (settings.TextColumn.isEmpty())
            throw TUsageError{InvalidValue(column, parser.value(column))};
    }
    settings.TableHasHeader = !parser.isSet(noHeader);
}

TBatchSettings ReadSettings(const QCommandLineParser& parser)
{
    TBatchSettings settings;
    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() != 1)
        throw TUsageError{
            QStringLiteral("Exactly one INPUT file is needed (- for standard input).")};
    settings.InputPath = inputs.first();
    settings.OutputFolder = parser.value(QStringLiteral("output"));
    if (settings.OutputFolder.isEmpty())
        throw TUsageError{QStringLiteral("The output folder is missing (-o DIR).")};

    ReadSymbology(parser, settings.Symbology);
    ReadOption(parser, QStringLiteral("format"), ParseImageExtension, settings.Extension);
    ReadOption(parser, QStringLiteral("encoding"), ParseTextEncoding, settings.Encoding);
    ReadTableOptions(parser, settings);
    if (parser.isSet(QStringLiteral("name"))) {
        try {
            settings.Names = TNameTemplate::Parse(parser.value(QStringLiteral("name")));
        } catch (const EZintException& error) {
            throw TUsageError{QStringLiteral("--name: ") + QString::fromUtf8(error.what())};
        }
    }
    ReadOption(parser, QStringLiteral("shard"), ParseShard, settings.Shard);
    ReadOption(parser, QStringLiteral("first-number"), ParseFirstNumber, settings.FirstNumber);
    settings.Resume = parser.isSet(QStringLiteral("resume"));
    settings.ManifestPath = parser.value(QStringLiteral("manifest"));
    settings.OnlyFailed = parser.values(QStringLiteral("only-failed"));
    ReadOption(parser, QStringLiteral("progress"), ParseProgressFormat, settings.Progress);
    ReadOption(parser, QStringLiteral("progress-every"), ParseProgressEvery,
               settings.ProgressEvery);
    TRenderSettings& render = settings.Render;
    ReadOption(parser, QStringLiteral("preview-area"), ParseSize, settings.PreviewArea);
    ReadSettingOption(parser, QStringLiteral("image-size"), ParseImageSize, render);
    if (parser.isSet(QStringLiteral("size"))) {
        const QString value = parser.value(QStringLiteral("size"));
        const std::optional<QSize> size = ParseSize(value);
        if (!size)
            throw TUsageError{InvalidValue(QStringLiteral("size"), value)};
        render.ImageSize = TImageSizeMode::ismFixed;
        render.FixedImageSize = *size;
    }
    ReadSettingOption(parser, QStringLiteral("module"), ParseModuleSize, render);
    ReadSettingOption(parser, QStringLiteral("bar-height"), ParseBarHeight, render);
    ReadSettingOption(parser, QStringLiteral("quiet-zones"), ParseQuietZones, render);
    ReadSettingOption(parser, QStringLiteral("caption-size"), ParseCaptionSize, render);
    ReadOption(parser, QStringLiteral("dpi"), ParseDpi, render.Dpi);
    if (parser.isSet(QStringLiteral("primary")))
        render.PrimaryMessage = parser.value(QStringLiteral("primary"));
    ReadOption(parser, QStringLiteral("adjust"), ParseAdjustMode, render.AdjustMode);
    ReadOption(parser, QStringLiteral("fg"), ParseColor, render.Foreground);
    ReadOption(parser, QStringLiteral("bg"), ParseColor, render.Background);
    render.ShowText = !parser.isSet(QStringLiteral("hide-text"));
    ReadOption(parser, QStringLiteral("font"), ParseFont, render.Font);
    ReadOption(parser, QStringLiteral("margin"), ParseBox, render.Margin);
    ReadOption(parser, QStringLiteral("padding"), ParseBox, render.Padding);
    ReadOption(parser, QStringLiteral("border"), ParseBox, render.Border);
    ReadOption(parser, QStringLiteral("whitespace"), ParseBox, render.Whitespace);
    ReadOption(parser, QStringLiteral("text-spacing"), ParseBox, render.TextSpacing);
    ReadOption(parser, QStringLiteral("halign"), ParseHAlign, render.HAlign);
    ReadOption(parser, QStringLiteral("valign"), ParseVAlign, render.VAlign);
    ReadOption(parser, QStringLiteral("min-module"), ParseModuleWidthLimit, render.MinModuleWidth);
    ReadOption(parser, QStringLiteral("max-module"), ParseModuleWidthLimit, render.MaxModuleWidth);
    ReadOption(parser, QStringLiteral("hexagon-scale"), ParseHexagonScale, render.HexagonScale);
    settings.Jobs = QThread::idealThreadCount();
    ReadOption(parser, QStringLiteral("jobs"), ParseJobCount, settings.Jobs);
    settings.Verify = parser.isSet(QStringLiteral("verify"));
    ReadPropertyWrites(parser, settings);
    if (const std::optional<QString> error = ReadSheetOptions(parser, settings))
        throw TUsageError{*error};
    return settings;
}
// --check-manifest reads what the runs recorded and writes nothing.
TBatchSettings ReadCheckSettings(const QCommandLineParser& parser)
{
    TBatchSettings settings;
    settings.CheckedManifests = parser.positionalArguments();
    if (settings.CheckedManifests.isEmpty())
        throw TUsageError{QStringLiteral("--check-manifest needs the manifests to check.")};
    const QString expect = parser.value(QStringLiteral("expect"));
    if (expect.isEmpty())
        throw TUsageError{QStringLiteral(
            "--check-manifest needs --expect: the number of entries or the input file.")};
    // A file named by digits alone is given as ./NAME.
    if (expect.front().isDigit())
        ReadOption(parser, QStringLiteral("expect"), ParseFirstNumber, settings.ExpectedCount);
    else
        settings.InputPath = expect;
    ReadOption(parser, QStringLiteral("encoding"), ParseTextEncoding, settings.Encoding);
    ReadTableOptions(parser, settings);
    ReadOption(parser, QStringLiteral("shard"), ParseShard, settings.Shard);
    ReadOption(parser, QStringLiteral("first-number"), ParseFirstNumber, settings.FirstNumber);
    settings.OutputFolder = parser.value(QStringLiteral("output"));
    return settings;
}
} // namespace

TBatchParseResult ParseBatchOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    AddOptions(parser);
    TBatchParseResult result;
    if (!parser.parse(arguments)) {
        result.Text = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        result.Command = TBatchCommand::bcHelp;
        result.Text = parser.helpText();
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.Command = TBatchCommand::bcVersion;
        return result;
    }
    if (parser.isSet(QStringLiteral("list-sheets"))) {
        const TLabelProductCatalogue& products = InstalledLabelProducts();
        result.Command = TBatchCommand::bcListSheets;
        result.Text = LabelProductList(products, parser.positionalArguments());
        result.Warnings = products.Problems();
        return result;
    }
    if (parser.isSet(QStringLiteral("list-symbologies"))) {
        result.Command = TBatchCommand::bcListSymbologies;
        return result;
    }
    try {
        if (parser.isSet(QStringLiteral("check-manifest"))) {
            result.Settings = ReadCheckSettings(parser);
            result.Command = TBatchCommand::bcCheckManifest;
            return result;
        }
        if (parser.isSet(QStringLiteral("expect")))
            throw TUsageError{QStringLiteral("--expect needs --check-manifest.")};
        result.Settings = ReadSettings(parser);
        const TLengthReport lengths = ReportDrawnLengths(result.Settings.Render);
        if (lengths.Error)
            throw TUsageError{*lengths.Error};
        result.Warnings = lengths.Warnings;
        result.Command = TBatchCommand::bcRun;
    } catch (const TUsageError& error) {
        result.Text = error.Message;
    }
    return result;
}
