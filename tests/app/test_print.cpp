// File > Print... and File > Print Preview... into a PDF printer: every symbol read back from the
// pages as the printer would put them on paper.
#include "gui_test_base.h"

#include "../io/pdf_pages.h"
#include "io/label_sheet.h"
#include "io/label_sheet_painter.h"
#include "support/barcode_decoder.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {
// The printer's resolution differs from the settings' 300 dpi: modules of 3 pixels there
// (0.254 mm) are exactly 2 dots here.
constexpr int PrinterDpi = 200;

QByteArray ReadWhole(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pixels neither dark nor light: a module edge between printer dots.
int GreyPixels(const QImage& image)
{
    int grey = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int level = qGray(image.pixel(x, y));
            grey += level > 40 && level < 215;
        }
    return grey;
}
} // namespace

class PrintTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ASSERT_TRUE(FFolder.isValid());
        ShowForm();
        Dialogs.PrintResolution = PrinterDpi;
        ChooseSymbology(TZintSymbology::zsQRCODE);
        Find<QLineEdit>("edModuleSize")->setText(QStringLiteral("3"));
        RunPendingRender();
    }

    QString PdfFile() const { return FFolder.filePath(QStringLiteral("printed.pdf")); }

    // The pages printed, as drawn at the printer's resolution by a rasteriser that does not
    // snap edges to whole pixels.
    std::vector<QImage> PrintedPages() const
    {
        return PdfPagesDrawn(ReadWhole(PdfFile()), PrinterDpi, 1, 0, TPdfRasteriser::prPdftocairo);
    }

private:
    QTemporaryDir FFolder;
};

// One symbol a page: each entry on a page of its own, read back from it, with modules on
// whole printer dots; an entry that fails takes no page and is named afterwards.
TEST_F(PrintTest, OneSymbolPerPageReadsBackPageByPage)
{
    const QStringList texts{QStringLiteral("PRINT-1"), QString(8000, QLatin1Char('7')),
                            QStringLiteral("PRINT-3"), QStringLiteral("PRINT-4")};
    for (const QString& text : texts)
        AddEntry(text);
    Dialogs.PrintLayoutReplies.push_back({QStringLiteral("a4-3x8"), false, true});
    Dialogs.PrintFileReplies.push_back(PdfFile());
    Find<QAction>("Print1")->trigger();

    EXPECT_EQ(Dialogs.Asked.filter(QStringLiteral("Print")),
              (QStringList{QStringLiteral("ChoosePrintLayout"), QStringLiteral("SetUpPrinter")}));
    const std::vector<QImage> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 3u);
    const QStringList printed{texts[0], texts[2], texts[3]};
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(DecodeImage(pages[i], ZXing::BarcodeFormat::QRCode).Text, printed[qsizetype(i)]);
        EXPECT_EQ(GreyPixels(pages[i]), 0);
        // Centred on the printable area, not pushed into the paper's corner.
        const QRect dark = DarkArea(pages[i]);
        EXPECT_NEAR(dark.center().x(), pages[i].width() / 2, pages[i].width() / 20);
    }
    ASSERT_FALSE(Dialogs.ErrorBoxes.empty());
    EXPECT_EQ(Dialogs.ErrorBoxes.back().Caption, QStringLiteral("Printing finished with errors"));
    EXPECT_TRUE(Dialogs.ErrorBoxes.back().Text.contains(QStringLiteral("\n2\t")))
        << Dialogs.ErrorBoxes.back().Text.toStdString();
}

// The preview prints the chosen sheet: the paper is the sheet's page, every entry on its label,
// read back from there; the layout is offered again next time.
TEST_F(PrintTest, PreviewPrintsTheLabelsOfTheChosenSheet)
{
    const QString sheetText = QStringLiteral("a4-3x8");
    for (int i = 1; i <= 5; ++i)
        AddEntry(QStringLiteral("LABEL-%1").arg(i));
    Dialogs.PrintLayoutReplies.push_back({sheetText, true, false});
    Dialogs.PrintFileReplies.push_back(PdfFile());
    Find<QAction>("PrintPreview1")->trigger();

    EXPECT_TRUE(Dialogs.Asked.contains(QStringLiteral("ShowPrintPreview")));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
    const std::vector<QRectF> boxes = PdfPageBoxes(ReadWhole(PdfFile()));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NEAR(boxes[0].width(), 210 / 25.4 * 72, 0.5);
    EXPECT_NEAR(boxes[0].height(), 297 / 25.4 * 72, 0.5);
    const std::vector<QImage> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    const TLabelSheet sheet = ReadLabelSheet(sheetText).Sheet.value();
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        // Inside the cut guides, which are grey by design.
        const QImage label =
            pages[0].copy(LabelInDots(sheet, i, PrinterDpi).adjusted(3, 3, -3, -3));
        EXPECT_EQ(DecodeImage(label, ZXing::BarcodeFormat::QRCode).Text,
                  i < 5 ? QStringLiteral("LABEL-%1").arg(i + 1) : QString());
        EXPECT_EQ(GreyPixels(label), 0);
    }

    // Cancelling the print dialog prints nothing; the last layout is offered again.
    QFile::remove(PdfFile());
    Dialogs.PrintLayoutReplies.push_back({sheetText, false, false});
    Find<QAction>("Print1")->trigger();
    ASSERT_EQ(Dialogs.PrintLayoutRequests.size(), 2u);
    EXPECT_EQ(Dialogs.PrintLayoutRequests[1].Sheet, sheetText);
    EXPECT_TRUE(Dialogs.PrintLayoutRequests[1].CutGuides);
    EXPECT_FALSE(Dialogs.PrintLayoutRequests[1].OnePerPage);
    EXPECT_FALSE(QFile::exists(PdfFile()));
}
