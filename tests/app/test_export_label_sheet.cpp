// "Save all as label sheet..." with a product chosen in the form and text lines from the list's
// columns, read back as a print shop would: the page drawn by poppler at 300 dpi, the symbols
// by ZXing, the lines by pdftotext.
#include "gui_test_base.h"

#include "app/label_sheet_dialog.h"
#include "io/label_sheet_painter.h"
#include "render/physical_units.h"
#include "support/barcode_decoder.h"
#include "support/pdf_read_back.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int Dpi = 300;

class ExportLabelSheetTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ShowForm();
    }

    // The form filled as the user fills it: the product typed and chosen with Enter, and the
    // text lines.
    static TDialogService::TLabelSheetChoice FillForm(const QString& product,
                                                      const QStringList& lines)
    {
        TLabelSheetDialog form(nullptr, {});
        form.show();
        QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("edProductSearch")), product);
        QTest::keyClick(form.findChild<QLineEdit*>(QStringLiteral("edProductSearch")),
                        Qt::Key_Return);
        for (int i = 0; i < lines.size(); ++i)
            form.findChild<QLineEdit*>(QStringLiteral("edLabelText%1").arg(i + 1))
                ->setText(lines[i]);
        return form.Choice();
    }
};
} // namespace

// A rectangular product and a round one: every symbol, sized for its label, reads back from
// its label, and both lines stand inside the part of the label its contents go in.
TEST_F(ExportLabelSheetTest, AProductsLabelsHoldTheirSymbolsAndTwoTextLines)
{
    ChooseSymbology(TZintSymbology::zsQRCODE);
    constexpr int Entries = 5;
    QByteArray csv = "code,name,price\n";
    for (int i = 0; i < Entries; ++i)
        csv += QStringLiteral("ITEM-%1,Widget %1,%2.50\n").arg(i + 1).arg(i * 3).toUtf8();
    Dialogs.ColumnReplies.push_back(0);
    Load(WriteFile("items.csv", csv));
    ASSERT_EQ(ListTexts().size(), Entries);

    for (const char* product : {"Avery 5160", "Avery 5194"}) {
        SCOPED_TRACE(product);
        const TLabelSheetReading reading = ReadLabelSheet(QLatin1String(product));
        if (!reading.Sheet)
            GTEST_SKIP() << "glabels-data is not installed";
        const TDialogService::TLabelSheetChoice choice =
            FillForm(QLatin1String(product),
                     {QStringLiteral("{col:name}"), QStringLiteral("EUR {col:price}")});
        ASSERT_EQ(choice.Sheet, QLatin1String(product));
        const QTemporaryDir folder;
        Dialogs.LabelSheetReplies.push_back(choice);
        Dialogs.FolderReplies.push_back(folder.path());
        Find<QAction>("Saveallaslabelsheet1")->trigger();
        ASSERT_EQ(Dialogs.Summaries.size(), 1u);
        EXPECT_TRUE(Dialogs.Summaries.back().Failures.empty());
        Dialogs.Summaries.clear();

        const QString pdf = QDir(folder.path()).filePath(QStringLiteral("sheet.pdf"));
        const QImage page = PdfPageImage(pdf, 0, Dpi);
        const std::vector<TPdfWord> words = PdfWords(pdf);
        const TLabelSheet& sheet = *reading.Sheet;
        for (int i = 0; i < Entries; ++i) {
            SCOPED_TRACE(i);
            const QRectF label = sheet.LabelRect(i);
            EXPECT_EQ(
                DecodeImage(page.copy(InPixels(label, Dpi)), ZXing::BarcodeFormat::QRCode).Text,
                QStringLiteral("ITEM-%1").arg(i + 1));
            const QRect content = LabelContentInDots(sheet, i, Dpi);
            const double mmPerDot = MillimetresPerInch / Dpi;
            // A hair of slack for the glyphs' own side bearings.
            const QRectF box =
                QRectF(QPointF(content.topLeft()) * mmPerDot, QSizeF(content.size()) * mmPerDot)
                    .adjusted(-0.1, -0.1, 0.1, 0.1);
            std::vector<const TPdfWord*> inLabel;
            for (const TPdfWord& word : words)
                if (label.contains(word.Box.center()))
                    inLabel.push_back(&word);
            EXPECT_TRUE(LineInBox(QStringLiteral("Widget %1").arg(i + 1), inLabel, box));
            EXPECT_TRUE(LineInBox(QStringLiteral("EUR %1.50").arg(i * 3), inLabel, box));
        }
    }
}
