// Finding a symbology by typing: the search field over the symbology list.
#include "gui_test_base.h"
#include "support/barcode_decoder.h"
#include "symbol/zint_symbol.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
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
         {QStringLiteral("QR Code"), QStringLiteral("Micro QR Code"),
          QStringLiteral("HIBC QR Code"), QStringLiteral("UPNQR"),
          QStringLiteral("Rectangular Micro QR Code (rMQR)")}},
        {"gs1-128",
         {QStringLiteral("GS1-128 (UCC.EAN-128)"),
          QStringLiteral("Composite Symbol with GS1-128 linear component")}},
        {"DATA matrix", {QStringLiteral("Data Matrix"), QStringLiteral("HIBC Data Matrix")}},
    };
    for (const auto& [typed, found] : cases) {
        SCOPED_TRACE(typed);
        Type(QString::fromUtf8(typed));
        EXPECT_EQ(Found(), found);
        EXPECT_TRUE(Search()->completer()->popup()->isVisible());
    }
    // The list itself stays whole, in catalogue order, with its choice untouched.
    auto* comType = Find<QComboBox>("comType");
    ASSERT_EQ(comType->count(), SymbologyCount);
    for (int index = 0; index < SymbologyCount; ++index)
        EXPECT_EQ(comType->itemData(index).toInt(), index);
    EXPECT_EQ(comType->currentIndex(), int(TZintSymbology::zsCODE39));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}

TEST_F(SymbologySearch, TypingOnTheListSearchesInsteadOfJumpingToEan14)
{
    ShowForm();
    auto* comType = Find<QComboBox>("comType");
    QTest::keyClicks(comType, QStringLiteral("EAN"));
    EXPECT_EQ(comType->currentIndex(), int(TZintSymbology::zsCODE39));
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
    popup->setCurrentIndex(popup->model()->index(0, 0));
    QTest::keyClick(popup, Qt::Key_Return);

    auto* comType = Find<QComboBox>("comType");
    EXPECT_EQ(comType->currentIndex(), int(TZintSymbology::zsQRCODE));
    EXPECT_EQ(comType->currentText(), QStringLiteral("QR Code"));
    EXPECT_EQ(Form->Symbol().SymbolType(), TZintSymbology::zsQRCODE);
    EXPECT_EQ(DecodeImage(PreviewImage(), ZXing::BarcodeFormat::QRCode).Text,
              QStringLiteral("1234567890"));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
    // The field empties for the next search once the choice is made.
    QCoreApplication::processEvents();
    EXPECT_TRUE(Search()->text().isEmpty());
}
