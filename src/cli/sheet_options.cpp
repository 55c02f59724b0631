#include "cli/sheet_options.h"

#include "base/zint_exception.h"
#include "cli/batch_options.h"
#include "cli/batch_values.h"
#include "io/image_format.h"
#include "io/label_text.h"

#include <QCommandLineParser>

namespace {
const char* const LabelTextOptions[] = {"label-text", "label-text-size", "label-text-align",
                                        "label-layout"};

// A list of one value per line; the last value given holds for the lines after it.
template <typename TValue, typename TRead>
std::optional<QString> ReadPerLine(const QCommandLineParser& parser, const char* option, TRead read,
                                   std::vector<TLabelTextLine>& lines,
                                   TValue TLabelTextLine::*field)
{
    if (!parser.isSet(QLatin1String(option)))
        return std::nullopt;
    const QString value = parser.value(QLatin1String(option));
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() > int(lines.size()))
        return QStringLiteral("--%1 \"%2\" gives more values than there are --label-text lines.")
            .arg(QLatin1String(option), value);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<TValue> parsed = read(parts[std::min(int(i), int(parts.size()) - 1)]);
        if (!parsed)
            return QStringLiteral("Invalid value for --%1: \"%2\".")
                .arg(QLatin1String(option), value);
        lines[i].*field = *parsed;
    }
    return std::nullopt;
}

std::optional<double> ReadTextSize(const QString& text)
{
    bool ok = false;
    const double points = text.trimmed().toDouble(&ok);
    if (!ok || !(points >= 1 && points <= MaxLabelTextPt))
        return std::nullopt;
    return points;
}

std::optional<QString> ReadLabelText(const QCommandLineParser& parser, TBatchSettings& settings)
{
    TLabelText& text = settings.SheetPlacement.Text;
    text.Font = settings.Render.Font;
    const QString layout = parser.value(QStringLiteral("label-layout"));
    const std::optional<TLabelTextLayout> named = SettingByName(LabelTextLayoutNames, layout);
    if (named)
        text.Layout = *named;
    else if (!layout.isEmpty())
        return QStringLiteral("Invalid value for --label-layout: \"%1\"; expected below or right.")
            .arg(layout);
    const QStringList templates = parser.values(QStringLiteral("label-text"));
    if (templates.size() > MaxLabelTextLines)
        return QStringLiteral("A label takes at most %1 --label-text lines.")
            .arg(MaxLabelTextLines);
    for (const QString& line : templates) {
        try {
            text.Lines.push_back({TNameTemplate::Parse(line), DefaultLabelTextPt,
                                  DefaultLabelTextAlign(text.Layout)});
        } catch (const EZintException& error) {
            return QStringLiteral("Invalid value for --label-text: \"%1\"; %2")
                .arg(line, QString::fromUtf8(error.what()));
        }
    }
    if (auto error = ReadPerLine(parser, "label-text-size", ReadTextSize, text.Lines,
                                 &TLabelTextLine::SizePt))
        return error;
    return ReadPerLine(parser, "label-text-align", ParseHAlign, text.Lines, &TLabelTextLine::Align);
}
} // namespace

void AddSheetOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(
        QStringLiteral("sheet"),
        QStringLiteral(
            "Put every entry on a label of one PDF, sheet.pdf in DIR (never replaced: "
            "sheet (2).pdf), centred on its label unless --halign or --valign say otherwise. A "
            "label product of the installed glabels-data or ~/.config/libglabels/templates "
            "(\"Avery 5160\", avery-5160, or L7160 when one brand sells it; see --list-sheets); a "
            "preset: a4-3x8 (70x37 mm "
            "labels on A4) or letter-3x10 (2.625 x 1 in on US Letter); or "
            "PAGE,COLSxROWS,LABELWxH,MARGINS,GAPS in mm: PAGE a4, letter or WxH; MARGINS one "
            "length or TOP:RIGHT:BOTTOM:LEFT; GAPS one length or BETWEEN-COLUMNSxBETWEEN-ROWS "
            "(a4,3x8,70x37,0.5:0:0.5:0,0). Unless --module is given, each symbol takes the "
            "largest whole-dot module that fits its label, up to its symbology's size for "
            "labels. A symbol larger than its label is scaled down whole and reported."),
        QStringLiteral("SHEET")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("list-sheets"),
        QStringLiteral("List the label products --sheet takes: name, paper, labels and "
                       "description, tab-separated; only those holding every word given after "
                       "it (lintaro-batch --list-sheets avery address).")));
    parser.addOption(QCommandLineOption(QStringLiteral("cut-guides"),
                                        QStringLiteral("Outline every label of --sheet in grey.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("label-text"),
        QStringLiteral("A line of text on every --sheet label, up to four: literal text with "
                       "{text}, {n}, {n:0W}, {col:NAME} and {col:K} as --name takes them "
                       "(--label-text '{col:name}' --label-text 'EUR {col:price}'). A line too "
                       "wide is set smaller, down to 6 pt, then cut with an ellipsis, and "
                       "reported."),
        QStringLiteral("TEMPLATE")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("label-text-size"),
        QStringLiteral("Point sizes of the --label-text lines in order (10,8); the last holds for "
                       "the lines after it. Default: 9."),
        QStringLiteral("PT,...")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("label-text-align"),
        QStringLiteral("left, center or right for the --label-text lines in order (center,left); "
                       "the last holds for the lines after it. Default: center below the "
                       "symbol, left right of it."),
        QStringLiteral("ALIGN,...")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("label-layout"),
        QStringLiteral("Where the --label-text lines go: below the symbol or in a column right "
                       "of it. Default: below."),
        QStringLiteral("below|right")));
}

std::optional<QString> ReadSheetOptions(const QCommandLineParser& parser, TBatchSettings& settings)
{
    const QString sheetOption = QStringLiteral("sheet");
    TLabelPlacement& placement = settings.SheetPlacement;
    placement.CutGuides = parser.isSet(QStringLiteral("cut-guides"));
    if (parser.isSet(QStringLiteral("halign")))
        placement.HAlign = settings.Render.HAlign;
    if (parser.isSet(QStringLiteral("valign")))
        placement.VAlign = settings.Render.VAlign;
    if (!parser.isSet(sheetOption)) {
        if (placement.CutGuides)
            return QStringLiteral("--cut-guides needs --sheet.");
        for (const char* option : LabelTextOptions)
            if (parser.isSet(QLatin1String(option)))
                return QStringLiteral("--%1 needs --sheet.").arg(QLatin1String(option));
        return std::nullopt;
    }
    if (const std::optional<QString> error = ReadLabelText(parser, settings))
        return error;
    // A module the user asks for is drawn as asked; otherwise the label decides it.
    placement.SizeSymbolForLabel = !parser.isSet(QStringLiteral("module"));
    const QString value = parser.value(sheetOption);
    const TLabelSheetReading reading = ReadLabelSheet(value);
    if (!reading.Sheet)
        return QStringLiteral("Invalid value for --sheet: \"%1\"; %2.").arg(value, reading.Error);
    const QString format = parser.value(QStringLiteral("format"));
    const TImageFormatEntry* entry = FindImageFormat(format);
    if (!format.isEmpty() && !(entry && entry->Format == TImageFileFormat::iffPdf))
        return QStringLiteral("--sheet writes a PDF; --format %1 does not go with it.").arg(format);
    if (parser.isSet(QStringLiteral("verify")))
        return QStringLiteral("--verify reads single files back; it does not go with --sheet.");
    for (const char* fileOption :
         {"name", "shard", "resume", "first-number", "manifest", "only-failed"}) {
        if (parser.isSet(QLatin1String(fileOption)))
            return QStringLiteral("--%1 is for one file per entry; it does not go with --sheet.")
                .arg(QLatin1String(fileOption));
    }
    settings.Sheet = reading.Sheet;
    return std::nullopt;
}
