// Label sheets with text lines from the input's columns, read back as a print shop would:
// the page rasterised by poppler, the symbols by ZXing, the text by pdftotext.
#include "batch_tool_fixture.h"

#include "io/label_sheet.h"
#include "support/pdf_read_back.h"

#include <cmath>

namespace {
constexpr int Dpi = 300;

QString Ean13(int i)
{
    QString digits = QStringLiteral("400638%1").arg(i * 7919 % 1000000, 6, 10, QLatin1Char('0'));
    int sum = 0;
    for (int k = 0; k < 12; ++k)
        sum += digits[k].digitValue() * (k % 2 ? 3 : 1);
    return digits + QString::number((10 - sum % 10) % 10);
}
} // namespace

// Two lines from CSV columns under or beside the symbol: every symbol reads back from the page
// at 300 dpi, every line's words stand inside its own label, and the names too long for a
// label are cut with an ellipsis and reported by line, no other entry.
TEST_F(BatchTool, TextLinesFromColumnsReadBackInsideTheirLabels)
{
    constexpr int Entries = 36;
    QByteArray csv = "code,name,price\n";
    for (int i = 0; i < Entries; ++i)
        csv += QStringLiteral("ITEM-%1,%2,%3.%4\n")
                   .arg(i, 4, 10, QLatin1Char('0'))
                   .arg(i % 7 == 3 ? QStringLiteral("An extraordinarily long product name that "
                                                    "no label of this sheet can hold %1")
                                         .arg(i)
                                   : QStringLiteral("Widget %1").arg(i))
                   .arg(i * 3)
                   .arg(i % 100, 2, 10, QLatin1Char('0'))
                   .toUtf8();
    const QString input = WriteInput(csv);
    const TLabelSheet sheet = ReadLabelSheet(QStringLiteral("letter-3x10")).Sheet.value();
    const struct
    {
        const char* Symbology;
        const char* Layout;
        ZXing::BarcodeFormat Format;
    } cases[] = {
        {"qr", "below", ZXing::BarcodeFormat::QRCode},
        {"zsCODE128", "right", ZXing::BarcodeFormat::Code128},
        {"zsDATAMATRIX", "right", ZXing::BarcodeFormat::DataMatrix},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Symbology);
        const QString folder = FDir.filePath(QLatin1String(c.Symbology));
        const TRun run =
            Run({QStringLiteral("-o"), folder, input, QStringLiteral("--csv"),
                 QStringLiteral("--column"), QStringLiteral("code"), QStringLiteral("-s"),
                 QLatin1String(c.Symbology), QStringLiteral("--sheet"),
                 QStringLiteral("letter-3x10"), QStringLiteral("--label-text"),
                 QStringLiteral("{col:name}"), QStringLiteral("--label-text"),
                 QStringLiteral("EUR {col:price}"), QStringLiteral("--label-text-size"),
                 QStringLiteral("9,8"), QStringLiteral("--label-layout"), QLatin1String(c.Layout)});
        EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
        const QStringList lines = run.Errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QStringList cutLines;
        for (int i = 3; i < Entries; i += 7)
            cutLines << QStringLiteral("line %1: ").arg(i + 2);
        ASSERT_EQ(lines.size(), cutLines.size() + 1) << run.Errors.toStdString();
        for (int k = 0; k < cutLines.size(); ++k)
            EXPECT_TRUE(lines[k].startsWith(cutLines[k]) &&
                        lines[k].contains(QStringLiteral("text line 1 cut to fit the label: "
                                                         "\"An extraordinarily")))
                << lines[k].toStdString();
        EXPECT_TRUE(lines.back().contains(QStringLiteral(", text cut %1, ").arg(cutLines.size())))
            << lines.back().toStdString();

        const QString pdf = QDir(folder).filePath(QStringLiteral("sheet.pdf"));
        const std::vector<TPdfWord> words = PdfWords(pdf);
        std::vector<QImage> pages{PdfPageImage(pdf, 0, Dpi), PdfPageImage(pdf, 1, Dpi)};
        for (int i = 0; i < Entries; ++i) {
            SCOPED_TRACE(i);
            const int page = i / sheet.LabelsPerPage();
            const QRectF label = sheet.LabelRect(i % sheet.LabelsPerPage());
            const QString code = QStringLiteral("ITEM-%1").arg(i, 4, 10, QLatin1Char('0'));
            EXPECT_EQ(
                DecodeImage(pages[std::size_t(page)].copy(InPixels(label, Dpi)), c.Format).Text,
                code);
            // A hair of slack for the glyphs' own side bearings.
            const QRectF box = label.adjusted(-0.1, -0.1, 0.1, 0.1);
            std::vector<const TPdfWord*> inLabel;
            for (const TPdfWord& word : words)
                if (word.Page == page && label.contains(word.Box.center()))
                    inLabel.push_back(&word);
            EXPECT_TRUE(LineInBox(
                QStringLiteral("EUR %1.%2").arg(i * 3).arg(i % 100, 2, 10, QLatin1Char('0')),
                inLabel, box));
            if (i % 7 == 3)
                EXPECT_TRUE(LineInBox(QStringLiteral("An extraordinarily"), inLabel, box) &&
                            std::any_of(inLabel.begin(), inLabel.end(), [&](const TPdfWord* w) {
                                return w->Text.endsWith(QChar(0x2026)) && box.contains(w->Box);
                            }));
            else
                EXPECT_TRUE(LineInBox(QStringLiteral("Widget %1").arg(i), inLabel, box));
        }
        // No word outside the labels.
        for (const TPdfWord& word : words) {
            bool inside = false;
            for (int k = 0; k < sheet.LabelsPerPage(); ++k)
                inside |= sheet.LabelRect(k).adjusted(-0.1, -0.1, 0.1, 0.1).contains(word.Box);
            EXPECT_TRUE(inside) << word.Text.toStdString();
        }
    }
}

// At default settings, every symbology of a typical label run reads back from every label of
// the sheet as poppler prints it at 300 dpi.
TEST_F(BatchTool, EveryLabelOfADefaultSheetReadsBack)
{
    const TLabelSheet sheet = ReadLabelSheet(QStringLiteral("letter-3x10")).Sheet.value();
    const int entries = sheet.LabelsPerPage();
    const struct
    {
        const char* Symbology;
        ZXing::BarcodeFormat Format;
        bool Ean;
    } cases[] = {
        {"zsCODE128", ZXing::BarcodeFormat::Code128, false},
        {"zsEANX_CHK", ZXing::BarcodeFormat::EAN13, true},
        {"zsQRCODE", ZXing::BarcodeFormat::QRCode, false},
        {"zsDATAMATRIX", ZXing::BarcodeFormat::DataMatrix, false},
        {"zsPDF417", ZXing::BarcodeFormat::PDF417, false},
        {"zsAZTEC", ZXing::BarcodeFormat::Aztec, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Symbology);
        QStringList texts;
        for (int i = 0; i < entries; ++i)
            texts << (c.Ean ? Ean13(i)
                            : QStringLiteral("LOT-%1/%2")
                                  .arg(i * 37 + 1000)
                                  .arg(QString(i % 4 * 2, QLatin1Char('Q'))));
        const QString folder = FDir.filePath(QLatin1String(c.Symbology));
        const TRun run =
            Run({QStringLiteral("-o"), folder, WriteInput(texts.join(QLatin1Char('\n')).toUtf8()),
                 QStringLiteral("-s"), QLatin1String(c.Symbology), QStringLiteral("--sheet"),
                 QStringLiteral("letter-3x10")});
        ASSERT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
        // Sized for the label, nothing is scaled or below its minimum.
        EXPECT_TRUE(run.Errors.startsWith(QStringLiteral("written %1 labels").arg(entries)))
            << run.Errors.toStdString();
        const QImage page =
            PdfPageImage(QDir(folder).filePath(QStringLiteral("sheet.pdf")), 0, Dpi);
        for (int i = 0; i < entries; ++i)
            EXPECT_EQ(DecodeImage(page.copy(InPixels(sheet.LabelRect(i), Dpi)), c.Format).Text,
                      texts[i])
                << i;
    }
}

// What a printer may not print, and a module below the symbology's minimum, are said.
TEST_F(BatchTool, LabelSheetWarnsOfTheUnprintableEdgeAndSmallModules)
{
    const struct
    {
        const char* Symbology;
        const char* Sheet;
        const char* Said; // empty: nothing but the summary
    } cases[] = {
        {"zsCODE128", "letter-3x10", ""},
        {"zsCODE128", "a4,3x1,70x12,0,0",
         "warning: 3 of the labels have something drawn within 4 mm of the paper's edge"},
        {"zsEANX_CHK", "a4,4x4,30x30,20,0",
         "module 0.169 mm is below 0.264 mm, GS1's minimum for EAN/UPC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Sheet);
        const QString folder = FDir.filePath(QLatin1String(c.Sheet).left(4));
        const TRun run = Run(
            {QStringLiteral("-o"), folder,
             WriteInput(QStringLiteral("%1\n%2\n%3\n").arg(Ean13(1), Ean13(2), Ean13(3)).toUtf8()),
             QStringLiteral("-s"), QLatin1String(c.Symbology), QStringLiteral("--sheet"),
             QLatin1String(c.Sheet)});
        EXPECT_EQ(run.ExitCode, 0) << run.Errors.toStdString();
        const QStringList lines = run.Errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (*c.Said == 0) {
            EXPECT_EQ(lines.size(), 1) << run.Errors.toStdString();
            continue;
        }
        EXPECT_TRUE(run.Errors.contains(QLatin1String(c.Said))) << run.Errors.toStdString();
    }
}
