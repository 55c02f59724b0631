#include "cli/batch_options.h"

#include "base/zint_exception.h"
#include "editors/property_registry.h"
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

void AddOptions(QCommandLineParser& parser)
{
    const auto add = [&parser](const QStringList& names, const char* description,
                               const char* valueName = nullptr) {
        parser.addOption(QCommandLineOption(names, QLatin1String(description),
                                            valueName ? QLatin1String(valueName) : QString()));
    };
    const auto name = [](const char* text) { return QStringList{QLatin1String(text)}; };
    parser.setApplicationDescription(QStringLiteral(
        "Writes one barcode image per non-empty line of INPUT into DIR, named by the "
        "line's entry number (1.png, 2.png, ...); existing files are never replaced."));
    parser.addHelpOption();
    add({QStringLiteral("o"), QStringLiteral("output")},
        "Folder the images are written to; created when missing.", "DIR");
    add({QStringLiteral("s"), QStringLiteral("symbology")},
        "Display name, enumeration name (zsQRCODE) or library number. Default: Code 39.", "NAME");
    add({QStringLiteral("f"), QStringLiteral("format")}, "png, jpeg, gif or bmp. Default: png.",
        "FORMAT");
    add(name("encoding"), "ansi, ascii, utf-16le, utf-16be, utf-8 or utf-7. Default: utf-8.",
        "ENCODING");
    add(name("size"), "Image size in pixels. Default: 303x417.", "WxH");
    add(name("adjust"), "scale or inflate. Default: scale.", "MODE");
    add(name("fg"), "Bar colour: #RRGGBB or a colour name. Default: Black.", "COLOR");
    add(name("bg"), "Background colour: #RRGGBB or a colour name. Default: White.", "COLOR");
    add(name("hide-text"), "Do not draw the human-readable text.");
    add(name("font"), "Text font. Default: Liberation Mono,19.", "FAMILY,PIXELS");
    for (const char* band : {"margin", "padding", "border", "whitespace", "text-spacing"})
        add(name(band), "One length or T,L,R,B; a trailing m counts modules. Default: 0.",
            "LENGTHS");
    add(name("halign"), "left, center or right. Default: left.", "ALIGN");
    add(name("valign"), "top, center or bottom. Default: top.", "ALIGN");
    add(name("min-module"), "Minimum module width; 0 for none.", "WIDTH");
    add(name("max-module"), "Maximum module width; 0 for none.", "WIDTH");
    add(name("hexagon-scale"), "MaxiCode hexagon scale. Default: 1.", "SCALE");
    add(name("option"),
        "Option of the chosen symbology's option set, repeatable "
        "(QRCodeOptions.ECCLevel=qreLevelH with -s zsQRCODE).",
        "SET.PROPERTY=VALUE");
    add({QStringLiteral("j"), QStringLiteral("jobs")},
        "Entries rendered in parallel. Default: the number of processor cores.", "N");
    add(name("verify"),
        "Decode every written file again as it stands; an entry that does not read back to its "
        "text counts as failed and its file is renamed N.failed.EXT (never replacing a file). "
        "Symbologies the decoder cannot read count as not verifiable.");
    add(name("list-symbologies"),
        "List index, library number, enumeration name and display name of every symbology.");
    parser.addPositionalArgument(
        QStringLiteral("INPUT"),
        QStringLiteral("Text file, one text per line; - for standard input."));
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
                          .arg(write, set, QString::fromUtf8(entry.DisplayName), own)};
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

    ReadOption(parser, QStringLiteral("symbology"), ParseSymbology, settings.Symbology);
    ReadOption(parser, QStringLiteral("format"), ParseImageExtension, settings.Extension);
    ReadOption(parser, QStringLiteral("encoding"), ParseTextEncoding, settings.Encoding);
    ReadOption(parser, QStringLiteral("size"), ParseSize, settings.Size);
    ReadOption(parser, QStringLiteral("adjust"), ParseAdjustMode, settings.AdjustMode);
    ReadOption(parser, QStringLiteral("fg"), ParseColor, settings.Foreground);
    ReadOption(parser, QStringLiteral("bg"), ParseColor, settings.Background);
    settings.ShowText = !parser.isSet(QStringLiteral("hide-text"));
    ReadOption(parser, QStringLiteral("font"), ParseFont, settings.Font);
    ReadOption(parser, QStringLiteral("margin"), ParseBox, settings.Margin);
    ReadOption(parser, QStringLiteral("padding"), ParseBox, settings.Padding);
    ReadOption(parser, QStringLiteral("border"), ParseBox, settings.Border);
    ReadOption(parser, QStringLiteral("whitespace"), ParseBox, settings.Whitespace);
    ReadOption(parser, QStringLiteral("text-spacing"), ParseBox, settings.TextSpacing);
    ReadOption(parser, QStringLiteral("halign"), ParseHAlign, settings.HAlign);
    ReadOption(parser, QStringLiteral("valign"), ParseVAlign, settings.VAlign);
    ReadOption(parser, QStringLiteral("min-module"), ParseNonNegative, settings.MinModuleWidth);
    ReadOption(parser, QStringLiteral("max-module"), ParseNonNegative, settings.MaxModuleWidth);
    ReadOption(parser, QStringLiteral("hexagon-scale"), ParsePositive, settings.HexagonScale);
    settings.Jobs = QThread::idealThreadCount();
    ReadOption(parser, QStringLiteral("jobs"), ParseJobCount, settings.Jobs);
    settings.Verify = parser.isSet(QStringLiteral("verify"));
    ReadPropertyWrites(parser, settings);
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
    if (parser.isSet(QStringLiteral("list-symbologies"))) {
        result.Command = TBatchCommand::bcListSymbologies;
        return result;
    }
    try {
        result.Settings = ReadSettings(parser);
        result.Command = TBatchCommand::bcRun;
    } catch (const TUsageError& error) {
        result.Text = error.Message;
    }
    return result;
}
