#include "cli/sheet_options.h"

#include "cli/batch_options.h"
#include "io/image_format.h"

#include <QCommandLineParser>

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
            "(a4,3x8,70x37,0.5:0:0.5:0,0). A symbol larger than its label is scaled down "
            "whole and reported."),
        QStringLiteral("SHEET")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("list-sheets"),
        QStringLiteral("List the label products --sheet takes: name, paper, labels and "
                       "description, tab-separated; only those holding every word given after "
                       "it (lintaro-batch --list-sheets avery address).")));
    parser.addOption(QCommandLineOption(QStringLiteral("cut-guides"),
                                        QStringLiteral("Outline every label of --sheet in grey.")));
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
    if (!parser.isSet(sheetOption))
        return placement.CutGuides ? std::optional(QStringLiteral("--cut-guides needs --sheet."))
                                   : std::nullopt;
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
