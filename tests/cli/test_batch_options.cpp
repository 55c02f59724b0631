#include "../render/band_side_cases.h"
#include "cli/batch_options.h"
#include "cli/sheet_list.h"
#include "io/label_products.h"
#include "render/render_settings.h"
#include "render/setting_lengths.h"
#include "render/setting_names.h"
#include "symbol/property_registry.h"
#include "symbol/symbology_names.h"
#include "symbol/zint_symbol.h"

#include <QMap>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {
// The required arguments, then the options under test.
QStringList Arguments(const QStringList& options)
{
    return QStringList{QStringLiteral("lintaro-batch"), QStringLiteral("-o"), QStringLiteral("out"),
                       QStringLiteral("in.txt")} +
           options;
}

void ExpectSide(const TRenderSide& side, float targetUnits, float modules)
{
    EXPECT_FLOAT_EQ(side.TargetUnits, targetUnits);
    EXPECT_FLOAT_EQ(side.Modules, modules);
}

struct TGoodCase
{
    QStringList Options;
    std::function<void(const TBatchSettings&)> Check;
};

struct TBadCase
{
    QStringList Arguments;
    const char* MessagePart;
};
} // namespace

TEST(BatchOptions, DefaultsAreThoseOfTheWindow)
{
    const TBatchParseResult result = ParseBatchOptions(Arguments({}));
    ASSERT_EQ(result.Command, TBatchCommand::bcRun) << result.Text.toStdString();
    const TBatchSettings& settings = result.Settings;
    EXPECT_EQ(settings.InputPath, QStringLiteral("in.txt"));
    EXPECT_EQ(settings.OutputFolder, QStringLiteral("out"));
    EXPECT_EQ(settings.Symbology, TZintSymbology::zsCODE39);
    EXPECT_EQ(settings.Extension, QStringLiteral(".png"));
    EXPECT_EQ(settings.Encoding, TTextEncoding::teUtf8);
    EXPECT_EQ(settings.PreviewArea, QSize(303, 417));
    EXPECT_EQ(settings.Render.ImageSize, TImageSizeMode::ismFitSymbol);
    EXPECT_EQ(settings.Render.ModuleSizeMode, TModuleSizeMode::msmPixels);
    EXPECT_FLOAT_EQ(settings.Render.ModuleSize, 2);
    EXPECT_EQ(settings.Render.BarHeightMode, TBarHeightMode::bhmStandard);
    EXPECT_EQ(settings.Render.QuietZones, TQuietZoneMode::qzmStandard);
    EXPECT_EQ(settings.Render.Dpi, 300);
    EXPECT_TRUE(settings.Render.PrimaryMessage.isEmpty());
    EXPECT_EQ(settings.Render.AdjustMode, TZintRenderAdjustMode::ramScale);
    EXPECT_EQ(settings.Render.Foreground, QColor(Qt::black));
    EXPECT_EQ(settings.Render.Background, QColor(Qt::white));
    EXPECT_TRUE(settings.Render.ShowText);
    EXPECT_EQ(settings.Render.Font.family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(settings.Render.Font.pixelSize(), 19);
    EXPECT_EQ(settings.Render.HAlign, TZintHAlign::haLeft);
    EXPECT_EQ(settings.Render.VAlign, TZintVAlign::vaTop);
    EXPECT_FLOAT_EQ(settings.Render.HexagonScale, 1);
    EXPECT_FLOAT_EQ(settings.Render.MinModuleWidth, 0);
    EXPECT_FLOAT_EQ(settings.Render.MaxModuleWidth, 0);
    ExpectSide(settings.Render.Margin.Top, 0, 0);
    EXPECT_EQ(settings.Jobs, QThread::idealThreadCount());
    EXPECT_FALSE(settings.Verify);
    EXPECT_TRUE(settings.PropertyWrites.isEmpty());
    EXPECT_FALSE(settings.TableDelimiter);
    EXPECT_EQ(settings.Names.Expand({12, QStringLiteral("text"), {}, {}}), QStringLiteral("12"));
    EXPECT_EQ(settings.Shard.Index, 0);
    EXPECT_EQ(settings.Shard.Count, 1);
}

TEST(BatchOptions, ReadsEveryValueForm)
{
    using S = const TBatchSettings&;
    const TGoodCase cases[] = {
        {{QStringLiteral("-s"), QStringLiteral("Code 128 (automatic subset switching)")},
         [](S s) { EXPECT_EQ(s.Symbology, TZintSymbology::zsCODE128); }},
        {{QStringLiteral("--symbology"), QStringLiteral("zsqrcode")},
         [](S s) { EXPECT_EQ(s.Symbology, TZintSymbology::zsQRCODE); }},
        {{QStringLiteral("-s"), QStringLiteral("71")},
         [](S s) { EXPECT_EQ(s.Symbology, TZintSymbology::zsDATAMATRIX); }},
        {{QStringLiteral("-s"), QStringLiteral("Code 128")},
         [](S s) { EXPECT_EQ(s.Symbology, TZintSymbology::zsCODE128); }},
        {{QStringLiteral("-s"), QStringLiteral("EAN-13")},
         [](S s) { EXPECT_EQ(s.Symbology, TZintSymbology::zsEANX); }},
        {{QStringLiteral("-f"), QStringLiteral("JPG")},
         [](S s) { EXPECT_EQ(s.Extension, QStringLiteral(".jpg")); }},
        {{QStringLiteral("-j"), QStringLiteral("3"), QStringLiteral("--verify")},
         [](S s) {
             EXPECT_EQ(s.Jobs, 3);
             EXPECT_TRUE(s.Verify);
         }},
        {{QStringLiteral("--csv")},
         [](S s) {
             EXPECT_EQ(s.TableDelimiter, std::optional<QChar>(u','));
             EXPECT_EQ(s.TextColumn, QStringLiteral("1"));
             EXPECT_TRUE(s.TableHasHeader);
         }},
        {{QStringLiteral("--tsv"), QStringLiteral("--column"), QStringLiteral(" Name "),
          QStringLiteral("--no-header")},
         [](S s) {
             EXPECT_EQ(s.TableDelimiter, std::optional<QChar>(u'\t'));
             EXPECT_EQ(s.TextColumn, QStringLiteral("Name"));
             EXPECT_FALSE(s.TableHasHeader);
         }},
        {{QStringLiteral("--csv"), QStringLiteral("--header"), QStringLiteral("--column"),
          QStringLiteral("3")},
         [](S s) {
             EXPECT_EQ(s.TextColumn, QStringLiteral("3"));
             EXPECT_TRUE(s.TableHasHeader);
         }},
        {{QStringLiteral("-f"), QStringLiteral("jpeg")},
         [](S s) { EXPECT_EQ(s.Extension, QStringLiteral(".jpg")); }},
        {{QStringLiteral("--format"), QStringLiteral("GIF")},
         [](S s) { EXPECT_EQ(s.Extension, QStringLiteral(".gif")); }},
        {{QStringLiteral("-f"), QStringLiteral("bmp")},
         [](S s) { EXPECT_EQ(s.Extension, QStringLiteral(".bmp")); }},
        {{QStringLiteral("--encoding"), QStringLiteral("utf-16be")},
         [](S s) { EXPECT_EQ(s.Encoding, TTextEncoding::teBigEndianUnicode); }},
        {{QStringLiteral("--encoding"), QStringLiteral("ANSI")},
         [](S s) { EXPECT_EQ(s.Encoding, TTextEncoding::teAnsi); }},
        {{QStringLiteral("--size"), QStringLiteral("640x48")},
         [](S s) {
             EXPECT_EQ(s.Render.ImageSize, TImageSizeMode::ismFixed);
             EXPECT_EQ(s.Render.FixedImageSize, QSize(640, 48));
         }},
        {{QStringLiteral("--image-size"), QStringLiteral("preview"),
          QStringLiteral("--preview-area"), QStringLiteral("500x200")},
         [](S s) {
             EXPECT_EQ(s.Render.ImageSize, TImageSizeMode::ismPreviewArea);
             EXPECT_EQ(s.PreviewArea, QSize(500, 200));
         }},
        {{QStringLiteral("--module"), QStringLiteral("0.5mm"), QStringLiteral("--dpi"),
          QStringLiteral("600")},
         [](S s) {
             EXPECT_EQ(s.Render.ModuleSizeMode, TModuleSizeMode::msmMillimetres);
             EXPECT_FLOAT_EQ(s.Render.ModuleSize, 0.5f);
             EXPECT_EQ(s.Render.Dpi, 600);
             EXPECT_FLOAT_EQ(ModuleWidthInPixels(s.Render), 12);
         }},
        {{QStringLiteral("--module"), QStringLiteral("fit-exact")},
         [](S s) {
             EXPECT_EQ(s.Render.ModuleSizeMode, TModuleSizeMode::msmFit);
             EXPECT_TRUE(s.Render.ExactFit);
         }},
        {{QStringLiteral("--bar-height"), QStringLiteral("0.5in"), QStringLiteral("--module"),
          QStringLiteral("3")},
         [](S s) {
             EXPECT_EQ(s.Render.BarHeightMode, TBarHeightMode::bhmInches);
             // 150 dots at 300 dpi in modules of 3 dots.
             EXPECT_EQ(LinearRowHeightFor(s.Render), 50);
         }},
        {{QStringLiteral("--bar-height"), QStringLiteral("fill"), QStringLiteral("--quiet-zones"),
          QStringLiteral("none")},
         [](S s) {
             EXPECT_EQ(s.Render.BarHeightMode, TBarHeightMode::bhmFill);
             EXPECT_EQ(s.Render.QuietZones, TQuietZoneMode::qzmNone);
         }},
        {{QStringLiteral("--caption-size"), QStringLiteral("6m"), QStringLiteral("--primary"),
          QStringLiteral("[01]95012345678903")},
         [](S s) {
             EXPECT_EQ(s.Render.CaptionSizeMode, TCaptionSizeMode::csmModules);
             EXPECT_FLOAT_EQ(s.Render.CaptionSize, 6);
             EXPECT_EQ(s.Render.PrimaryMessage, QStringLiteral("[01]95012345678903"));
         }},
        {{QStringLiteral("--adjust"), QStringLiteral("inflate")},
         [](S s) { EXPECT_EQ(s.Render.AdjustMode, TZintRenderAdjustMode::ramInflate); }},
        {{QStringLiteral("--fg"), QStringLiteral("money green"), QStringLiteral("--bg"),
          QStringLiteral("#102030")},
         [](S s) {
             EXPECT_EQ(s.Render.Foreground, QColor(0xC0, 0xDC, 0xC0));
             EXPECT_EQ(s.Render.Background, QColor(0x10, 0x20, 0x30));
         }},
        {{QStringLiteral("--hide-text")}, [](S s) { EXPECT_FALSE(s.Render.ShowText); }},
        {{QStringLiteral("--font"), QStringLiteral("DejaVu Sans,12")},
         [](S s) {
             EXPECT_EQ(s.Render.Font.family(), QStringLiteral("DejaVu Sans"));
             EXPECT_EQ(s.Render.Font.pixelSize(), 12);
         }},
        {{QStringLiteral("--margin"), QStringLiteral("5")},
         [](S s) {
             for (const TRenderSide& side : {s.Render.Margin.Top, s.Render.Margin.Left,
                                             s.Render.Margin.Right, s.Render.Margin.Bottom})
                 ExpectSide(side, 5, 0);
         }},
        {{QStringLiteral("--whitespace"), QStringLiteral("10m")},
         [](S s) { ExpectSide(s.Render.Whitespace.Bottom, 0, 10); }},
        {{QStringLiteral("--padding"), QStringLiteral("1,2.5m,3,4M")},
         [](S s) {
             ExpectSide(s.Render.Padding.Top, 1, 0);
             ExpectSide(s.Render.Padding.Left, 0, 2.5f);
             ExpectSide(s.Render.Padding.Right, 3, 0);
             ExpectSide(s.Render.Padding.Bottom, 0, 4);
         }},
        {{QStringLiteral("--border"), QStringLiteral("2"), QStringLiteral("--text-spacing"),
          QStringLiteral("1m")},
         [](S s) {
             ExpectSide(s.Render.Border.Left, 2, 0);
             ExpectSide(s.Render.TextSpacing.Top, 0, 1);
         }},
        {{QStringLiteral("--halign"), QStringLiteral("right"), QStringLiteral("--valign"),
          QStringLiteral("Center")},
         [](S s) {
             EXPECT_EQ(s.Render.HAlign, TZintHAlign::haRight);
             EXPECT_EQ(s.Render.VAlign, TZintVAlign::vaCenter);
         }},
        {{QStringLiteral("--min-module"), QStringLiteral("1.5"), QStringLiteral("--max-module"),
          QStringLiteral("4"), QStringLiteral("--hexagon-scale"), QStringLiteral("0.75")},
         [](S s) {
             EXPECT_FLOAT_EQ(s.Render.MinModuleWidth, 1.5f);
             EXPECT_FLOAT_EQ(s.Render.MaxModuleWidth, 4);
             EXPECT_FLOAT_EQ(s.Render.HexagonScale, 0.75f);
         }},
        {{QStringLiteral("-s"), QStringLiteral("zsHIBC_QR"), QStringLiteral("--option"),
          QStringLiteral("QRCodeOptions.ECCLevel=qreLevelH"), QStringLiteral("--option"),
          QStringLiteral("qrcodeoptions.size=5"), QStringLiteral("--option"),
          QStringLiteral("QRCodeOptions.Size=qrs21")},
         [](S s) {
             using W = std::pair<QString, QString>;
             EXPECT_EQ(
                 s.PropertyWrites,
                 (QList<W>{{QStringLiteral("QRCodeOptions.ECCLevel"), QStringLiteral("qreLevelH")},
                           {QStringLiteral("qrcodeoptions.size"), QStringLiteral("5")},
                           {QStringLiteral("QRCodeOptions.Size"), QStringLiteral("qrs21")}}));
         }},
        {{QStringLiteral("--name"), QStringLiteral("{text}-{n:03}"), QStringLiteral("--shard"),
          QStringLiteral("2/3")},
         [](S s) {
             EXPECT_EQ(s.Names.Expand({4, QStringLiteral("A"), {}, {}}), QStringLiteral("A-004"));
             EXPECT_EQ(s.Shard.Index, 2);
             EXPECT_EQ(s.Shard.Count, 3);
         }},
        {{QStringLiteral("--shard"), QStringLiteral("0/1")},
         [](S s) { EXPECT_TRUE(s.Shard.Contains(7)); }},
        {{QStringLiteral("--first-number"), QStringLiteral("1000000000000000"),
          QStringLiteral("--resume")},
         [](S s) {
             EXPECT_EQ(s.FirstNumber, 1000000000000000);
             EXPECT_TRUE(s.Resume);
         }},
    };
    for (const TGoodCase& test : cases) {
        SCOPED_TRACE(test.Options.join(QLatin1Char(' ')).toStdString());
        const TBatchParseResult result = ParseBatchOptions(Arguments(test.Options));
        ASSERT_EQ(result.Command, TBatchCommand::bcRun) << result.Text.toStdString();
        test.Check(result.Settings);
    }
}

TEST(BatchOptions, RejectsBadValuesWithAMessage)
{
    const auto with = [](std::initializer_list<const char*> options) {
        QStringList list;
        for (const char* option : options)
            list << QString::fromUtf8(option);
        return Arguments(list);
    };
    const TBadCase cases[] = {
        {{QStringLiteral("lintaro-batch"), QStringLiteral("in.txt")}, "-o DIR"},
        {{QStringLiteral("lintaro-batch"), QStringLiteral("-o"), QStringLiteral("out")}, "INPUT"},
        {with({"second.txt"}), "INPUT"},
        {with({"--no-such-option"}), "no-such-option"},
        {with({"-s", "Kode 39"}),
         "--symbology: \"Kode 39\"; did you mean \"Code 3 of 9 (Code 39)\"?"},
        {with({"-s", "code 2 of 5"}),
         "--symbology: \"code 2 of 5\"; it fits several symbologies: \"Standard Code 2 of 5\", "
         "\"Code 2 of 5 IATA\", \"Code 2 of 5 Data Logic\", \"Code 2 of 5 Industrial\"."},
        {with({"-s", "code"}), "symbologies; see --list-symbologies."},
        {with({"-s", "9999"}), "--symbology"},
        {with({"-f", "tiff"}), "--format: \"tiff\""},
        {with({"--encoding", "latin1"}), "--encoding"},
        {with({"--csv", "--tsv"}), "--csv and --tsv exclude each other."},
        {with({"--csv", "--header", "--no-header"}),
         "--header and --no-header exclude each other."},
        {with({"--column", "2"}), "--column needs --csv or --tsv."},
        {with({"--no-header"}), "--no-header needs --csv or --tsv."},
        {with({"--csv", "--column", " "}), "--column: \" \""},
        {with({"--size", "303"}), "--size"},
        {with({"--size", "0x417"}), "--size"},
        {with({"--size", "-5x10"}), "--size"},
        {with({"--size", "100000x10"}), "--size"},
        {with({"--size", "12.5x10"}), "--size"},
        {with({"--size", "fit"}), "--size"},
        {with({"--image-size", "huge"}), "--image-size"},
        {with({"--module", "0"}), "--module"},
        {with({"--module", "2.5"}), "--module"},
        {with({"--module", "-1mm"}), "--module"},
        {with({"--bar-height", "tall"}), "--bar-height"},
        {with({"--quiet-zones", "some"}), "--quiet-zones"},
        {with({"--dpi", "0"}), "--dpi"},
        {with({"--dpi", "300.5"}), "--dpi"},
        {with({"--hexagon-scale", "0"}), "--hexagon-scale"},
        {with({"--min-module", "1e30"}), "--min-module"},
        {with({"--max-module", "nan"}), "--max-module"},
        {with({"--caption-size", "0"}), "--caption-size"},
        {with({"--preview-area", "1x"}), "--preview-area"},
        {with({"--adjust", "stretch"}), "--adjust"},
        {with({"-j", "0"}), "--jobs: \"0\""},
        {with({"--jobs", "two"}), "--jobs"},
        {with({"--jobs", "257"}), "--jobs"},
        {with({"--fg", "#12345"}), "--fg"},
        {with({"--bg", "Window"}), "--bg"},
        {with({"--font", "Liberation Mono"}), "--font"},
        {with({"--font", "Liberation Mono,0"}), "--font"},
        {with({"--font", ",12"}), "--font"},
        {with({"--margin", "1,2"}), "--margin"},
        {with({"--padding", "-1"}), "--padding"},
        {with({"--border", "x"}), "--border"},
        {with({"--whitespace", "nan"}), "--whitespace"},
        {with({"--text-spacing", "1,2,3,m"}), "--text-spacing"},
        {with({"--halign", "middle"}), "--halign"},
        {with({"--valign", "left"}), "--valign"},
        {with({"--min-module", "1,5"}), "--min-module"},
        {with({"--max-module", "inf"}), "--max-module"},
        {with({"--hexagon-scale", "0"}), "--hexagon-scale"},
        {with({"-s", "zsQRCODE", "--option", "QRCodeOptions.ECCLevel"}), "--option"},
        {with({"-s", "zsQRCODE", "--option", "QRCodeOptions.NoSuch=1"}), "NoSuch"},
        {with({"-s", "zsQRCODE", "--option", "QRCodeOptions.ECCLevel=qreLevelZ"}), "qreLevelZ"},
        {with({"-s", "zsQRCODE", "--option", "QRCodeOptions=1"}), "--option QRCodeOptions=1"},
        // An option set of another symbology would fail every entry or change nothing.
        {with({"-s", "zsCODE11", "--option", "PDF417Options.Columns=30"}),
         "--option PDF417Options.Columns=30: PDF417Options does not apply to Code 11; it has no "
         "option set."},
        {with({"-s", "zsQRCODE", "--option", "MicroQROptions.Version=mqv2"}),
         "MicroQROptions does not apply to QR Code; only QRCodeOptions applies."},
        {with({"--option", "QRCodeOptions.ECCLevel=qreLevelH"}),
         "does not apply to Code 3 of 9 (Code 39); only ExtCode39Options applies."},
        {with({"--name", "{txt}"}),
         "--name: The file name template \"{txt}\" has an unknown field"},
        {with({"--name", ""}), "--name: The file name template is empty"},
        {with({"--name", "}{"}), "closes nothing"},
        {with({"--shard", "3/3"}), "--shard: \"3/3\""},
        {with({"--shard", "1/0"}), "--shard"},
        {with({"--shard", "-1/3"}), "--shard"},
        {with({"--shard", "1"}), "--shard"},
        {with({"--shard", "a/b"}), "--shard"},
        {with({"--shard", "99999999999999999999/3"}), "--shard"},
        {with({"--first-number", "0"}), "--first-number: \"0\""},
        {with({"--first-number", "-5"}), "--first-number"},
        {with({"--first-number", "1.5"}), "--first-number"},
        {with({"--first-number", "1000000000000001"}), "--first-number"},
        {with({"--sheet", "a4-3x8", "--resume"}), "--resume is for one file per entry"},
        {with({"--sheet", "a4-3x8", "--only-failed", "m.jsonl"}),
         "--only-failed is for one file per entry"},
        {with({"--progress", "json"}), "--progress: \"json\""},
        {with({"--progress-every", "10m"}), "--progress-every"},
        {with({"--sheet", "a4-3x8", "--first-number", "5"}),
         "--first-number is for one file per entry"},
    };
    for (const TBadCase& test : cases) {
        SCOPED_TRACE(test.Arguments.join(QLatin1Char(' ')).toStdString());
        const TBatchParseResult result = ParseBatchOptions(test.Arguments);
        EXPECT_EQ(result.Command, TBatchCommand::bcUsageError);
        EXPECT_TRUE(result.Text.contains(QString::fromUtf8(test.MessagePart)))
            << result.Text.toStdString();
    }
}

// The names the stored settings keep are the names the options take.
TEST(BatchOptions, ChoicesTakeTheNamesOfTheSettingsTables)
{
    const auto run = [](const char* option, const char* name) {
        SCOPED_TRACE(std::string(option) + ' ' + name);
        const TBatchParseResult result =
            ParseBatchOptions(Arguments({QLatin1String(option), QLatin1String(name)}));
        EXPECT_EQ(result.Command, TBatchCommand::bcRun) << result.Text.toStdString();
        return result.Settings.Render;
    };
    for (const auto& entry : AdjustModeNames)
        EXPECT_EQ(run("--adjust", entry.Name).AdjustMode, entry.Value);
    for (const auto& entry : HAlignNames)
        EXPECT_EQ(run("--halign", entry.Name).HAlign, entry.Value);
    for (const auto& entry : VAlignNames)
        EXPECT_EQ(run("--valign", entry.Name).VAlign, entry.Value);
    for (const auto& entry : QuietZoneNames)
        EXPECT_EQ(run("--quiet-zones", entry.Name).QuietZones, entry.Value);
    // The modes that need no length are named alone.
    for (const auto& entry : ImageSizeNames)
        if (entry.Value != TImageSizeMode::ismFixed) {
            EXPECT_EQ(run("--image-size", entry.Name).ImageSize, entry.Value);
        }
    for (const auto& entry : BarHeightNames)
        if (!UnitOf(entry.Value)) {
            EXPECT_EQ(run("--bar-height", entry.Name).BarHeightMode, entry.Value);
        }
    for (const auto& entry : CaptionSizeNames)
        if (!UnitOf(entry.Value)) {
            EXPECT_EQ(run("--caption-size", entry.Name).CaptionSizeMode, entry.Value);
        }
    for (const auto& entry : ModuleSizeNames)
        if (!UnitOf(entry.Value)) {
            EXPECT_EQ(run("--module", entry.Name).ModuleSizeMode, entry.Value);
        }
}

// The band options read the texts the window's band editors read, always in the C locale.
TEST(BatchOptions, BandSidesReadTheSharedLengthTable)
{
    for (const TBandSideCase& test : BandSideCases) {
        if (test.Language != QLocale::C)
            continue;
        SCOPED_TRACE(test.Text);
        const TBatchParseResult result =
            ParseBatchOptions(Arguments({QStringLiteral("--padding"), QLatin1String(test.Text)}));
        if (!test.Value) {
            EXPECT_EQ(result.Command, TBatchCommand::bcUsageError);
            EXPECT_TRUE(result.Text.contains(QStringLiteral("--padding")))
                << result.Text.toStdString();
            continue;
        }
        ASSERT_EQ(result.Command, TBatchCommand::bcRun) << result.Text.toStdString();
        const bool inModules = test.Unit == TLengthUnit::luModules;
        for (const TRenderSide& side :
             {result.Settings.Render.Padding.Top, result.Settings.Render.Padding.Bottom})
            ExpectSide(side, inModules ? 0 : float(*test.Value),
                       inModules ? float(*test.Value) : 0);
    }
}

// Every set the catalogue names can be written for its symbologies from the command line.
TEST(BatchOptions, EachSymbologysOwnOptionSetIsAccepted)
{
    TZintSymbol symbol;
    for (const TSymbologyEntry& entry : SymbologyCatalogue) {
        if (!entry.OptionSet)
            continue;
        SCOPED_TRACE(entry.EnumName);
        const QString set = QLatin1String(entry.OptionSet);
        const QVariant object = ReadPropertyPath(&symbol, set, QLatin1Char('.'));
        ASSERT_TRUE(object.value<QObject*>()) << entry.OptionSet;
        QList<TListedProperty> properties;
        ListObjectProperties(object.value<QObject*>(), properties, false, {}, {}, true, {},
                             QLatin1Char('.'));
        ASSERT_FALSE(properties.isEmpty());
        const QString write = set + u'.' + properties.first().Name + QStringLiteral("=0");
        const TBatchParseResult result =
            ParseBatchOptions(Arguments({QStringLiteral("-s"), QLatin1String(entry.EnumName),
                                         QStringLiteral("--option"), write}));
        EXPECT_EQ(result.Command, TBatchCommand::bcRun) << result.Text.toStdString();
    }
}

// Symbols sit in the middle of their labels unless --halign or --valign ask for a side; the
// images of a run without a sheet keep their own top-left default.
TEST(BatchOptions, SheetLabelsAreCentredUnlessAlignmentIsGiven)
{
    const struct
    {
        QStringList Options;
        TZintHAlign HAlign;
        TZintVAlign VAlign;
    } cases[] = {
        {{}, TZintHAlign::haCenter, TZintVAlign::vaCenter},
        {{QStringLiteral("--halign"), QStringLiteral("left")},
         TZintHAlign::haLeft,
         TZintVAlign::vaCenter},
        {{QStringLiteral("--halign"), QStringLiteral("left"), QStringLiteral("--valign"),
          QStringLiteral("top")},
         TZintHAlign::haLeft,
         TZintVAlign::vaTop},
        {{QStringLiteral("--valign"), QStringLiteral("bottom")},
         TZintHAlign::haCenter,
         TZintVAlign::vaBottom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Options.join(u' ').toStdString());
        const TBatchParseResult result = ParseBatchOptions(
            Arguments(QStringList{QStringLiteral("--sheet"), QStringLiteral("a4-3x8"),
                                  QStringLiteral("--cut-guides")} +
                      c.Options));
        ASSERT_EQ(result.Command, TBatchCommand::bcRun) << result.Text.toStdString();
        EXPECT_EQ(result.Settings.SheetPlacement.HAlign, c.HAlign);
        EXPECT_EQ(result.Settings.SheetPlacement.VAlign, c.VAlign);
        EXPECT_TRUE(result.Settings.SheetPlacement.CutGuides);
    }
    const TBatchParseResult images = ParseBatchOptions(Arguments({}));
    EXPECT_EQ(images.Settings.Render.HAlign, TZintHAlign::haLeft);
    EXPECT_EQ(images.Settings.Render.VAlign, TZintVAlign::vaTop);
}

TEST(BatchOptions, HelpAndListNeedNoFiles)
{
    const TBatchParseResult help =
        ParseBatchOptions({QStringLiteral("lintaro-batch"), QStringLiteral("--help")});
    EXPECT_EQ(help.Command, TBatchCommand::bcHelp);
    EXPECT_TRUE(help.Text.contains(QStringLiteral("--list-symbologies")));
    // No run goes without an output folder; the help says so where it names the option.
    EXPECT_TRUE(help.Text.contains(QStringLiteral("-o DIR INPUT"))) << help.Text.toStdString();
    EXPECT_TRUE(help.Text.simplified().contains(QStringLiteral("<DIR> Required.")));
    // What becomes of a file that fails verification is the user's to know beforehand.
    EXPECT_TRUE(help.Text.simplified().contains(QStringLiteral("renamed N.failed.EXT")))
        << help.Text.toStdString();
    EXPECT_EQ(
        ParseBatchOptions({QStringLiteral("lintaro-batch"), QStringLiteral("--list-symbologies")})
            .Command,
        TBatchCommand::bcListSymbologies);
    EXPECT_EQ(
        ParseBatchOptions({QStringLiteral("lintaro-batch"), QStringLiteral("--version")}).Command,
        TBatchCommand::bcVersion);
}

TEST(BatchOptions, SymbologyTableNamesEverySymbologyTheParserAccepts)
{
    const QStringList lines = SymbologyTable().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), SymbologyCount);
    for (int index = 0; index < lines.size(); ++index) {
        const QStringList fields = lines[index].split(QLatin1Char('\t'));
        ASSERT_EQ(fields.size(), 5) << lines[index].toStdString();
        EXPECT_EQ(fields[0].toInt(), index);
        // The last field holds the common names, separated by commas, often none.
        QStringList names = fields.mid(1, 3);
        if (!fields[4].isEmpty())
            names += fields[4].split(QLatin1Char(','));
        for (const QString& name : names)
            EXPECT_EQ(LookUpSymbology(name).Matches, std::vector{TZintSymbology(index)})
                << name.toStdString();
    }
}

// Against a count one by one, for slices that start and end anywhere in the cycle of parts.
TEST(BatchShard, CountsTheEntriesOfItsPartInASlice)
{
    const std::initializer_list<qint64> firsts = {1, 2, 3, 8, 1000000000000};
    for (const qint64 parts : {1, 3, 7})
        for (qint64 index = 0; index < parts; ++index)
            for (const qint64 first : firsts)
                for (const qint64 count : {0, 1, 2, 5, 6, 22}) {
                    const TBatchShard shard{index, parts};
                    qint64 expected = 0;
                    for (qint64 number = first; number < first + count; ++number)
                        expected += shard.Contains(number);
                    EXPECT_EQ(shard.CountOf(first, count), expected)
                        << index << "/" << parts << " from " << first << ", " << count;
                }
}

// One product a line, its fields tab-separated; an alias names its product and a label that
// cannot be filled says why.
TEST(BatchOptions, ListSheetsListsMatchingProducts)
{
    const TLabelProductCatalogue catalogue =
        TLabelProductCatalogue::Load({QStringLiteral(LINTARO_LABEL_TEMPLATES_DIR "/system")});
    const QStringList lines = LabelProductList(catalogue, {QStringLiteral("acme")})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QMap<QString, QStringList> byName;
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        ASSERT_EQ(fields.size(), 4) << line.toStdString();
        byName[fields[0]] = fields;
    }
    EXPECT_EQ(byName.keys(), (QStringList{QStringLiteral("Acme 100"), QStringLiteral("Acme 200"),
                                          QStringLiteral("Acme 300"), QStringLiteral("Acme 400"),
                                          QStringLiteral("Acme D2"), QStringLiteral("Acme O5"),
                                          QStringLiteral("Acme R1")}));
    EXPECT_EQ(byName[QStringLiteral("Acme 100")],
              (QStringList{QStringLiteral("Acme 100"), QStringLiteral("A4"),
                           QStringLiteral("3 x 8 labels of 70.00 x 37.00 mm"),
                           QStringLiteral("Address labels")}));
    EXPECT_EQ(byName[QStringLiteral("Acme 200")][3],
              QStringLiteral("Address labels (as Acme 100)"));
    EXPECT_EQ(byName[QStringLiteral("Acme O5")][1], QStringLiteral("100.00 x 50.00 mm"));
    EXPECT_EQ(byName[QStringLiteral("Acme R1")][2],
              QStringLiteral("4 x 6 round labels of 40.00 mm"));
    EXPECT_EQ(byName[QStringLiteral("Acme D2")][2],
              QStringLiteral("2 x 5 + 1 x 5 labels of 50.00 x 20.00 mm"));
    const QStringList shapes = LabelProductList(catalogue, {QStringLiteral("shape")})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const auto labelsOf = [&](const char* name) {
        for (const QString& line : shapes)
            if (line.startsWith(QLatin1String(name) + QLatin1Char('\t')))
                return line.section(QLatin1Char('\t'), 2, 2);
        return QString();
    };
    EXPECT_EQ(labelsOf("Shape Oval"), QStringLiteral("2 x 6 oval labels of 80.00 x 40.00 mm"));
    EXPECT_EQ(labelsOf("Shape Disc"),
              QStringLiteral("1 x 2 CD labels of 116.00 mm, hole 22.00 mm"));
    EXPECT_EQ(
        labelsOf("Shape Card disc"),
        QStringLiteral("3 x 3 CD labels of 80.00 mm, hole 20.00 mm, cut to 60.00 x 70.00 mm"));
    EXPECT_TRUE(labelsOf("Shape Drawn")
                    .startsWith(QStringLiteral("cannot be filled: its labels are <Label-path>")));

    const TBatchParseResult listed =
        ParseBatchOptions({QStringLiteral("lintaro-batch"), QStringLiteral("--list-sheets"),
                           QStringLiteral("avery"), QStringLiteral("5160")});
    EXPECT_EQ(listed.Command, TBatchCommand::bcListSheets);
    EXPECT_EQ(listed.Text, LabelProductList(InstalledLabelProducts(),
                                            {QStringLiteral("avery"), QStringLiteral("5160")}));
}
