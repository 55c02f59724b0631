// Finding a symbology by typing: the search field over the symbology list.
#include "app/preview_image.h"
#include "gui_test_base.h"
#include "support/barcode_decoder.h"
#include "symbol/symbology_names.h"
#include "symbol/zint_symbol.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTest>

namespace {
class SymbologySearch : public TGuiTestBase
{
protected:
    QLineEdit* Search() const { return Find<QLineEdit>("edFindType"); }

    void Type(const QString& text) const
    {
        Search()->clear();
        QTest::keyClicks(Search(), text);
    }

    // The entries the search offers, as the user sees them.
    QStringList Found() const
    {
        QStringList found;
        const QAbstractItemModel* model = Search()->completer()->completionModel();
        for (int row = 0; row < model->rowCount(); ++row)
            found << model->index(row, 0).data().toString();
        return found;
    }
};
} // namespace

TEST_F(SymbologySearch, FindsPartsOfNamesAndCommonNamesInTheListsOrder)
{
    ShowForm();
    const std::pair<const char*, QStringList> cases[] = {
        {"EAN-13",
         {QStringLiteral("EAN"), QStringLiteral("ISBN (EAN-13 with verification stage)")}},
        {"qr",
         {QStringLiteral("HIBC QR Code"), QStringLiteral("Micro QR Code"),
          QStringLiteral("QR Code"), QStringLiteral("Rectangular Micro QR Code (rMQR)"),
          QStringLiteral("UPNQR")}},
        {"gs1-128",
         {QStringLiteral("Composite Symbol with GS1-128 linear component"),
          QStringLiteral("GS1-128 (UCC.EAN-128)")}},
        {"DATA matrix", {QStringLiteral("Data Matrix"), QStringLiteral("HIBC Data Matrix")}},
        // A heading's name finds the symbologies that hold it, never the heading.
        {"postal", {QStringLiteral("Japanese Postal Code")}},
    };
    for (const auto& [typed, found] : cases) {
        SCOPED_TRACE(typed);
        Type(QString::fromUtf8(typed));
        EXPECT_EQ(Found(), found);
        EXPECT_TRUE(Search()->completer()->popup()->isVisible());
    }
    // The list itself stays whole with its choice untouched.
    auto* comType = Find<QComboBox>("comType");
    for (int index = 0; index < SymbologyCount; ++index)
        EXPECT_GE(comType->findData(index), 0);
    EXPECT_EQ(comType->currentData().toInt(), int(TZintSymbology::zsCODE39));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}

TEST_F(SymbologySearch, TypingOnTheListSearchesInsteadOfJumpingToEan14)
{
    ShowForm();
    auto* comType = Find<QComboBox>("comType");
    QTest::keyClicks(comType, QStringLiteral("EAN"));
    EXPECT_EQ(comType->currentData().toInt(), int(TZintSymbology::zsCODE39));
    EXPECT_EQ(Search()->text(), QStringLiteral("EAN"));
    const QStringList found = Found();
    ASSERT_FALSE(found.isEmpty());
    EXPECT_EQ(found.first(), QStringLiteral("EAN"));
    EXPECT_TRUE(found.contains(QStringLiteral("EAN-14")));
}

TEST_F(SymbologySearch, ChoosingAFoundEntryRendersItAsTheListDoes)
{
    ShowForm();
    Type(QStringLiteral("qr"));
    QAbstractItemView* popup = Search()->completer()->popup();
    ASSERT_TRUE(popup->isVisible());
    const QModelIndexList qr =
        popup->model()->match(popup->model()->index(0, 0), Qt::DisplayRole,
                              QStringLiteral("QR Code"), 1, Qt::MatchExactly);
    ASSERT_EQ(qr.size(), 1);
    popup->setCurrentIndex(qr.front());
    QTest::keyClick(popup, Qt::Key_Return);

    auto* comType = Find<QComboBox>("comType");
    EXPECT_EQ(comType->currentData().toInt(), int(TZintSymbology::zsQRCODE));
    EXPECT_EQ(comType->currentText(), QStringLiteral("QR Code"));
    EXPECT_EQ(Form->Symbol().SymbolType(), TZintSymbology::zsQRCODE);
    // No text given yet: the preview shows QR Code's sample.
    EXPECT_EQ(DecodeImage(PreviewImage(), ZXing::BarcodeFormat::QRCode).Text,
              QString::fromUtf8(lintaro::Traits(TZintSymbology::zsQRCODE).SampleText));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
    // The field empties for the next search once the choice is made.
    QCoreApplication::processEvents();
    EXPECT_TRUE(Search()->text().isEmpty());
}

// Headings that cannot be chosen, then the group's symbologies sorted by name.
TEST_F(SymbologySearch, ListIsGroupedUnderHeadingsAndSortedWithinEachGroup)
{
    CreateForm();
    auto* comType = Find<QComboBox>("comType");
    const QStringList headings = {QStringLiteral("Linear"), QStringLiteral("2-D"),
                                  QStringLiteral("Postal"), QStringLiteral("GS1"),
                                  QStringLiteral("Stacked")};
    QStringList seenHeadings;
    int listed = 0;
    QString previous;
    for (int row = 0; row < comType->count(); ++row) {
        const QVariant data = comType->itemData(row);
        if (!data.isValid()) {
            seenHeadings << comType->itemText(row);
            const auto* model = qobject_cast<const QStandardItemModel*>(comType->model());
            EXPECT_FALSE(model->item(row)->isEnabled()) << row;
            EXPECT_FALSE(model->item(row)->isSelectable()) << row;
            previous.clear();
            continue;
        }
        ++listed;
        const TSymbologyEntry& entry = SymbologyCatalogue[std::size_t(data.toInt())];
        ASSERT_FALSE(seenHeadings.isEmpty()) << entry.DisplayName;
        EXPECT_EQ(seenHeadings.back(), headings[int(entry.Group)]) << entry.DisplayName;
        EXPECT_LE(QString::compare(previous, comType->itemText(row), Qt::CaseInsensitive), 0)
            << entry.DisplayName;
        previous = comType->itemText(row);
    }
    EXPECT_EQ(seenHeadings, headings);
    EXPECT_EQ(listed, SymbologyCount);
}

// After a failing render, a name the popup filled in before it closed, or one typed out,
// is chosen by Enter.
TEST_F(SymbologySearch, EnterOnANameChoosesItAfterAFailedRender)
{
    ShowForm();
    ChooseSymbology(TZintSymbology::zsEAN128);
    AddEntry(QStringLiteral("1234567890"));
    ASSERT_FALSE(Preview().ErrorText().isEmpty()) << "not GS1 data";
    auto* comType = Find<QComboBox>("comType");
    for (const char* typed : {"QR Code", "qr", "gs1-128", "Maxicode"}) {
        SCOPED_TRACE(typed);
        const TZintSymbology meant = LookUpSymbology(QString::fromUtf8(typed)).Matches.front();
        Type(QString::fromUtf8(typed));
        Search()->completer()->popup()->hide();
        QTest::keyClick(Search(), Qt::Key_Return);
        EXPECT_EQ(comType->currentData().toInt(), int(meant));
        EXPECT_EQ(Form->Symbol().SymbolType(), meant);
        EXPECT_TRUE(Search()->text().isEmpty());
    }
    // The entry is still the text shown: a failure in the pane, never a box.
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("1234567890"));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());

    // A part of several names chooses nothing: it offers them.
    Type(QStringLiteral("code"));
    Search()->completer()->popup()->hide();
    QTest::keyClick(Search(), Qt::Key_Return);
    EXPECT_EQ(comType->currentData().toInt(), int(TZintSymbology::zsMAXICODE));
    EXPECT_TRUE(Search()->completer()->popup()->isVisible());
}
