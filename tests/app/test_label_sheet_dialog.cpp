#include "app/label_sheet_dialog.h"

#include "app/label_sheet_placement.h"
#include "app/label_sheet_preview.h"
#include "io/export_job.h"
#include "io/label_sheet_painter.h"
#include "render/render_settings.h"
#include "symbol/zint_symbol.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {
template <typename T> T* Child(const QDialog& dialog, const char* name)
{
    T* child = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_TRUE(child) << name;
    return child;
}

int DarkPixels(const QImage& image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    return dark;
}
} // namespace

// The form starts from the last sheet, answers only a sheet that can be read, and says what
// is wrong otherwise; a preset's own fields answer with its name.
TEST(LabelSheetDialog, AnswersOnlyASheetThatCanBeRead)
{
    TLabelSheetDialog dialog(nullptr, {QStringLiteral("letter-3x10"), true});
    auto* preset = Child<QComboBox>(dialog, "comPreset");
    auto* problem = Child<QLabel>(dialog, "lblSheetProblem");
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(preset && problem && ok);
    EXPECT_EQ(preset->currentText(), QStringLiteral("letter-3x10"));
    EXPECT_EQ(Child<QComboBox>(dialog, "comPage")->currentText(), QStringLiteral("Letter"));
    EXPECT_EQ(Child<QSpinBox>(dialog, "sbRows")->value(), 10);
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("letter-3x10"));
    EXPECT_TRUE(dialog.CutGuides());

    Child<QDoubleSpinBox>(dialog, "sbLabelWidth")->setValue(0);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(problem->text().startsWith(QStringLiteral("Label \"0.0000\"")))
        << problem->text().toStdString();
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    preset->setCurrentIndex(preset->findText(QStringLiteral("a4-3x8")));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(Child<QComboBox>(dialog, "comPage")->currentText(), QStringLiteral("A4"));
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("a4-3x8"));
    Child<QSpinBox>(dialog, "sbRows")->setValue(7);
    EXPECT_EQ(preset->currentIndex(), 0); // no preset has these fields
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("210x297,3x7,70x37,0.5:0:0.5:0,0x0"));
    Child<QCheckBox>(dialog, "cbCutGuides")->setChecked(false);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.CutGuides());
    EXPECT_TRUE(ReadLabelSheet(dialog.Sheet()).Sheet);
}

// Labels within 4 mm of the paper's edge are flagged while the fields say so.
TEST(LabelSheetDialog, WarnsWhileALabelReachesThePrintersEdge)
{
    TLabelSheetDialog dialog(nullptr, {QStringLiteral("a4-3x8"), false});
    auto* warning = Child<QLabel>(dialog, "lblEdgeWarning");
    ASSERT_TRUE(warning);
    EXPECT_FALSE(warning->isHidden());
    EXPECT_TRUE(warning->text().contains(QStringLiteral("4 mm"))) << warning->text().toStdString();
    Child<QComboBox>(dialog, "comPreset")->setCurrentIndex(2);
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("letter-3x10"));
    EXPECT_TRUE(warning->isHidden());
    Child<QDoubleSpinBox>(dialog, "sbMarginLeft")->setValue(3);
    EXPECT_FALSE(warning->isHidden());
}

// The preview draws the first page of the sheet the fields make, with the list's first entries
// on their labels as the export job draws them, and follows every change of the fields; it
// draws them again only then.
TEST(LabelSheetDialog, PreviewFollowsTheFields)
{
    TZintSymbol symbol;
    const TRenderSettings settings;
    const TExportEntries entries{{}, {{QStringLiteral("E0"), {}}, {QStringLiteral("E1"), {}}}};
    int painted = 0;
    const TLabelPictures pictures{
        2, settings.Dpi, settings.Font, {}, [&](TLabelSheetPainter& labels, int count) {
            ++painted;
            TExportEntries first = entries;
            first.Entries.resize(std::size_t(count));
            TExportJob job(TZintSymbology::zsQRCODE, settings, QSize(303, 417), {&symbol});
            job.PaintLabels(first, labels);
        }};
    TLabelSheetDialog dialog(nullptr, {QStringLiteral("100x100,2x2,45x45,2.5,5"), false}, pictures);
    auto* preview = dialog.findChild<TLabelSheetPreview*>(QStringLiteral("SheetPreview"));
    ASSERT_TRUE(preview);
    preview->resize(400, 400);
    ASSERT_TRUE(preview->Shown());
    EXPECT_EQ(preview->Shown()->LabelsPerPage(), 4);

    // The paper fills the widget less its inset, centred; each label shows its entry's picture
    // (the first two labels) or stays blank (the last two).
    const auto labelArea = [&](const QImage& image, int index) {
        const TLabelSheet& sheet = *preview->Shown();
        const QSizeF room = QSizeF(image.size()) - QSizeF(16, 16);
        const double perMm =
            std::min(room.width() / sheet.Page.width(), room.height() / sheet.Page.height());
        const QPointF paper = QRectF(image.rect()).center() -
                              QPointF(sheet.Page.width(), sheet.Page.height()) * perMm / 2;
        const QRectF label = sheet.LabelRect(index);
        return image.copy(QRectF(paper + label.topLeft() * perMm, label.size() * perMm)
                              .toRect()
                              .adjusted(3, 3, -3, -3));
    };
    const QImage page = preview->grab().toImage();
    EXPECT_GT(DarkPixels(labelArea(page, 0)), 50);
    EXPECT_GT(DarkPixels(labelArea(page, 1)), 50);
    EXPECT_EQ(DarkPixels(labelArea(page, 2)), 0);
    EXPECT_EQ(DarkPixels(labelArea(page, 3)), 0);
    EXPECT_EQ(preview->grab().toImage(), page);
    EXPECT_EQ(painted, 1);

    Child<QSpinBox>(dialog, "sbColumns")->setValue(1);
    Child<QDoubleSpinBox>(dialog, "sbLabelWidth")->setValue(95);
    ASSERT_TRUE(preview->Shown());
    EXPECT_EQ(preview->Shown()->LabelsPerPage(), 2);
    EXPECT_EQ(LabelSheetText(*preview->Shown()),
              QStringLiteral("100x100,1x2,95x45,2.5:2.5:2.5:2.5,5x5"));
    // Now the second entry sits on the lower label.
    const QImage again = preview->grab().toImage();
    EXPECT_NE(again, page);
    EXPECT_GT(DarkPixels(labelArea(again, 1)), 50);
    EXPECT_EQ(painted, 2);

    Child<QSpinBox>(dialog, "sbRows")->setValue(3);
    EXPECT_FALSE(preview->Shown());
}

// The text lines and the module choice reach the sheet as the form shows them; a line that
// cannot be read is named and keeps the form from answering.
TEST(LabelSheetDialog, TextLinesAndTheModuleChoiceMakeTheSheetsPlacement)
{
    TDialogService::TLabelSheetChoice last{QStringLiteral("a4-3x8"), false};
    last.Text.Rows[1] = {QStringLiteral("{n}"), 11, TZintHAlign::haRight};
    last.Text.Layout = TLabelTextLayout::ltlRight;
    TLabelSheetDialog dialog(nullptr, last);
    EXPECT_EQ(Child<QLineEdit>(dialog, "edLabelText2")->text(), QStringLiteral("{n}"));
    EXPECT_EQ(Child<QDoubleSpinBox>(dialog, "sbLabelTextSize2")->value(), 11);
    auto* keepModule = Child<QCheckBox>(dialog, "cbKeepModule");
    ASSERT_TRUE(keepModule);
    EXPECT_FALSE(keepModule->isChecked()) << "symbols are sized for their labels by default";

    Child<QLineEdit>(dialog, "edLabelText1")->setText(QStringLiteral("{col:name}"));
    Child<QComboBox>(dialog, "comLabelTextAlign1")->setCurrentIndex(0);
    keepModule->setChecked(true);
    const TDialogService::TLabelSheetChoice choice = dialog.Choice();
    EXPECT_EQ(choice.Text.Rows[0].Template, QStringLiteral("{col:name}"));
    EXPECT_EQ(choice.Text.Rows[0].Align, TZintHAlign::haLeft);
    EXPECT_EQ(choice.Text.Rows[1].SizePt, 11);
    EXPECT_EQ(choice.Text.Rows[1].Align, TZintHAlign::haRight);
    EXPECT_EQ(choice.Text.Layout, TLabelTextLayout::ltlRight);
    EXPECT_TRUE(choice.KeepModule);
    const TLabelPlacement placement = LabelSheetPlacement(choice, QFont());
    EXPECT_EQ(placement.Text.Lines.size(), 2u);
    EXPECT_FALSE(placement.SizeSymbolForLabel);

    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    Child<QLineEdit>(dialog, "edLabelText3")->setText(QStringLiteral("{col:name"));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(Child<QLabel>(dialog, "lblSheetProblem")
                    ->text()
                    .startsWith(QStringLiteral("Text line 3: ")));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    Child<QLineEdit>(dialog, "edLabelText3")->clear();
    EXPECT_TRUE(ok->isEnabled());

    // A line aligned as its layout aligns lines by default follows the layout, as the batch
    // tool's lines do; one aligned otherwise keeps its alignment.
    auto* layout = Child<QComboBox>(dialog, "comLabelTextLayout");
    layout->setCurrentIndex(layout->findData(int(TLabelTextLayout::ltlBelow)));
    EXPECT_EQ(dialog.Choice().Text.Rows[0].Align, TZintHAlign::haCenter);
    EXPECT_EQ(dialog.Choice().Text.Rows[1].Align, TZintHAlign::haRight);
}

namespace {
TLabelProductCatalogue ShopProducts()
{
    return TLabelProductCatalogue::Load({QStringLiteral(LINTARO_LABEL_PRODUCTS_DIR)});
}

QStringList ListedProducts(const QDialog& dialog)
{
    QStringList listed;
    const auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstProducts"));
    for (int row = 0; list && row < list->count(); ++row)
        listed << list->item(row)->text();
    return listed;
}
} // namespace

// Typing lists the products whose brand, code or description hold the words, the exact code
// first; the arrow keys move through the list from the search box, Enter chooses the product
// and a second Enter answers the form with its name.
TEST(LabelSheetDialog, TypingFindsAProductAndTheKeyboardChoosesIt)
{
    const TLabelProductCatalogue products = ShopProducts();
    TLabelSheetDialog dialog(nullptr, {QStringLiteral("a4-3x8"), false}, {}, false, products);
    dialog.show();
    auto* search = Child<QLineEdit>(dialog, "edProductSearch");
    auto* list = Child<QListWidget>(dialog, "lstProducts");
    ASSERT_TRUE(search && list);
    EXPECT_EQ(dialog.focusWidget(), search);
    EXPECT_EQ(ListedProducts(dialog).size(), qsizetype(products.Products().size()));

    QTest::keyClicks(search, QStringLiteral("5160"));
    const QStringList listed = ListedProducts(dialog);
    ASSERT_EQ(listed.size(), 4) << listed.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(listed[0], QStringLiteral("Avery 5160 — Address labels"));
    EXPECT_TRUE(listed.contains(QStringLiteral("Avery 15160 — Easy peel address labels")));
    EXPECT_TRUE(listed.contains(QStringLiteral("Avery 8160 — Address labels"))) << "an alias";
    EXPECT_TRUE(
        listed.contains(QStringLiteral("Zweckform 5160M — Mixed shapes (cannot be filled)")));
    QTest::keyClicks(search, QStringLiteral(" easy"));
    EXPECT_EQ(ListedProducts(dialog), QStringList{listed.filter(QStringLiteral("15160"))});
    search->clear();
    QTest::keyClicks(search, QStringLiteral("avery 5160"));
    EXPECT_EQ(list->currentRow(), -1);

    QTest::keyClick(search, Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 0);
    QTest::keyClick(search, Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 1);
    QTest::keyClick(search, Qt::Key_Up);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("a4-3x8")) << "moving does not choose";
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("Avery 5160"));
    EXPECT_EQ(Child<QComboBox>(dialog, "comPreset")->currentText(), QStringLiteral("Avery 5160"));
    EXPECT_EQ(Child<QComboBox>(dialog, "comPage")->currentText(), QStringLiteral("Letter"));

    // The fields and the preview hold the product's sheet.
    const TLabelSheet& sheet = *products.Find(QStringLiteral("Avery 5160")).Product->Sheet;
    EXPECT_EQ(Child<QSpinBox>(dialog, "sbColumns")->value(), sheet.Columns);
    EXPECT_EQ(Child<QSpinBox>(dialog, "sbRows")->value(), sheet.Rows);
    EXPECT_NEAR(Child<QDoubleSpinBox>(dialog, "sbLabelWidth")->value(), sheet.Label.width(), 1e-4);
    EXPECT_NEAR(Child<QDoubleSpinBox>(dialog, "sbMarginLeft")->value(), sheet.Margins.left(), 1e-4);
    EXPECT_NEAR(Child<QDoubleSpinBox>(dialog, "sbGapColumns")->value(), sheet.Gap.width(), 1e-4);
    const auto* preview = dialog.findChild<TLabelSheetPreview*>(QStringLiteral("SheetPreview"));
    ASSERT_TRUE(preview && preview->Shown());
    EXPECT_EQ(LabelSheetText(*preview->Shown()), LabelSheetText(sheet));
    EXPECT_TRUE(
        Child<QLabel>(dialog, "lblProductNote")->text().contains(QStringLiteral("Avery 5160")));

    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("Avery 5160"));
}

// A product whose labels cannot be filled is listed but refused with the reason; the sheet
// stays as it was.
TEST(LabelSheetDialog, RefusesAProductItCannotFill)
{
    const TLabelProductCatalogue products = ShopProducts();
    TLabelSheetDialog dialog(nullptr, {QStringLiteral("letter-3x10"), false}, {}, false, products);
    dialog.show();
    auto* search = Child<QLineEdit>(dialog, "edProductSearch");
    ASSERT_TRUE(search);
    QTest::keyClicks(search, QStringLiteral("mixed"));
    ASSERT_EQ(ListedProducts(dialog).size(), 1);
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    const QString note = Child<QLabel>(dialog, "lblProductNote")->text();
    EXPECT_TRUE(note.startsWith(QStringLiteral("Zweckform 5160M cannot be filled: ")))
        << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("shapes"))) << note.toStdString();
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("letter-3x10"));

    search->clear();
    QTest::keyClicks(search, QStringLiteral("no such label"));
    EXPECT_TRUE(ListedProducts(dialog).isEmpty());
    EXPECT_TRUE(
        Child<QLabel>(dialog, "lblProductNote")->text().contains(QStringLiteral("no such label")));
}

// The form opens on the product it answered last, an alias by its own name; changing a field
// by hand leaves the product for the custom sheet the fields make, which still fits its page.
TEST(LabelSheetDialog, OpensOnTheRememberedProductUntilAFieldChanges)
{
    const TLabelProductCatalogue products = ShopProducts();
    TLabelSheetDialog dialog(nullptr, {QStringLiteral("avery 8160"), false}, {}, false, products);
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("Avery 8160"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "edProductSearch")->text(), QStringLiteral("Avery 8160"));
    auto* list = Child<QListWidget>(dialog, "lstProducts");
    ASSERT_TRUE(list && list->currentItem());
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Avery 8160 — Address labels"));
    EXPECT_EQ(Child<QSpinBox>(dialog, "sbRows")->value(), 10);

    Child<QSpinBox>(dialog, "sbRows")->setValue(9);
    EXPECT_EQ(Child<QComboBox>(dialog, "comPreset")->currentIndex(), 0);
    EXPECT_TRUE(Child<QLabel>(dialog, "lblProductNote")->text().isEmpty());
    const TLabelSheetReading custom = ReadLabelSheet(dialog.Sheet());
    ASSERT_TRUE(custom.Sheet) << dialog.Sheet().toStdString();
    EXPECT_EQ(custom.Sheet->Rows, 9);
    // The lengths the fields were given keep their digits beyond the fields' four decimals.
    EXPECT_NEAR(custom.Sheet->Label.width(), 2.625 * 25.4, 1e-9);
    EXPECT_NEAR(custom.Sheet->Margins.left(), 0.15625 * 25.4, 1e-9);
    Child<QDoubleSpinBox>(dialog, "sbMarginRight")->setValue(3);
    const TLabelSheetReading edited = ReadLabelSheet(dialog.Sheet());
    ASSERT_TRUE(edited.Sheet) << dialog.Sheet().toStdString();
    EXPECT_EQ(edited.Sheet->Margins.right(), 3);
    EXPECT_NEAR(edited.Sheet->Margins.left(), 0.15625 * 25.4, 1e-9);
}

// Without a product database the form says so, and the presets and fields make sheets as
// before.
TEST(LabelSheetDialog, WithoutAProductDatabaseThePresetsStillWork)
{
    const QTemporaryDir empty;
    const TLabelProductCatalogue none = TLabelProductCatalogue::Load({empty.path()});
    TLabelSheetDialog dialog(nullptr, {QStringLiteral("letter-3x10"), false}, {}, false, none);
    dialog.show();
    EXPECT_FALSE(Child<QLineEdit>(dialog, "edProductSearch")->isEnabled());
    EXPECT_TRUE(Child<QLabel>(dialog, "lblProductNote")
                    ->text()
                    .startsWith(QStringLiteral("No label product database was found")));
    auto* preset = Child<QComboBox>(dialog, "comPreset");
    preset->setCurrentIndex(preset->findText(QStringLiteral("a4-3x8")));
    EXPECT_EQ(dialog.Sheet(), QStringLiteral("a4-3x8"));
    Child<QSpinBox>(dialog, "sbRows")->setValue(7);
    EXPECT_TRUE(Child<QLabel>(dialog, "lblProductNote")
                    ->text()
                    .startsWith(QStringLiteral("No label product database was found")));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadLabelSheet(dialog.Sheet()).Sheet->Rows, 7);
}
