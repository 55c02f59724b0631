#include "editors/frame_options.h"
#include "symbol/zint_symbol.h"
#include "symbol/zint_symbol_options.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

using TRows = std::map<QString, QString>;

class FrameOptionsTest : public testing::Test
{
protected:
    QTableWidget* grid(TFrameOptions& frame)
    {
        return frame.findChild<QTableWidget*>(QStringLiteral("ValueListEditor1"));
    }

    static TRows rowsOf(QTableWidget* table)
    {
        TRows rows;
        for (int row = 0; row < table->rowCount(); ++row)
            rows[table->item(row, 0)->text()] = table->item(row, 1)->text();
        return rows;
    }

    int rowOf(QTableWidget* table, const QString& key)
    {
        const QList<QTableWidgetItem*> found = table->findItems(key, Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.first()->row();
    }

    // Opens the value cell's editor the way a user does and hands it to `edit`; moving to
    // the key cell then commits it.
    template <typename TEdit> void editValue(TFrameOptions& frame, const QString& key, TEdit edit)
    {
        QTableWidget* table = grid(frame);
        const int row = rowOf(table, key);
        ASSERT_GE(row, 0) << key.toStdString();
        table->setCurrentCell(row, 1);
        table->edit(table->model()->index(row, 1));
        QWidget* editor = table->indexWidget(table->model()->index(row, 1));
        ASSERT_NE(editor, nullptr);
        edit(editor);
        table->setCurrentCell(row, 0);
    }

    void typeValue(TFrameOptions& frame, const QString& key, const QString& text)
    {
        editValue(frame, key, [&text](QWidget* editor) {
            auto* comboBox = qobject_cast<QComboBox*>(editor);
            QLineEdit* line = comboBox ? comboBox->lineEdit() : qobject_cast<QLineEdit*>(editor);
            line->selectAll();
            QTest::keyClicks(line, text);
        });
    }

    QStringList pickList(TFrameOptions& frame, const char* key)
    {
        QStringList values;
        frame.ValueListEditor1GetPickList(QLatin1String(key), values);
        return values;
    }

    TZintSymbol symbol;
};

TEST_F(FrameOptionsTest, GridShowsOneRowPerPropertyOnceRefreshed)
{
    TFrameOptions frame;
    QTableWidget* table = grid(frame);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("Key"));
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
    EXPECT_EQ(table->columnWidth(0), 150);
    EXPECT_EQ(table->columnWidth(1), 295);

    frame.Init(&symbol, QStringLiteral("QRCodeOptions"));
    EXPECT_EQ(rowsOf(table), (TRows{{QStringLiteral("ECCLevel"), QString()},
                                    {QStringLiteral("Size"), QString()}}));
    EXPECT_FALSE(table->item(0, 0)->flags() & Qt::ItemIsEditable);
    frame.RefreshFrame();
    EXPECT_EQ(rowsOf(table), (TRows{{QStringLiteral("ECCLevel"), QStringLiteral("qreAuto")},
                                    {QStringLiteral("Size"), QStringLiteral("qrsAuto")}}));

    const std::pair<const char*, TRows> tabs[] = {
        {"PDF417Options",
         {{QStringLiteral("CheckDigitCount"), QStringLiteral("-1")},
          {QStringLiteral("Columns"), QStringLiteral("0")}}},
        {"DatamatrixOptions",
         {{QStringLiteral("Size"), QStringLiteral("dmsAuto")},
          {QStringLiteral("ForceSquare"), QStringLiteral("False")},
          {QStringLiteral("ForceRectangle"), QStringLiteral("False")}}},
    };
    for (const auto& [name, rows] : tabs) {
        TFrameOptions other;
        other.Init(&symbol, QLatin1String(name));
        other.RefreshFrame();
        EXPECT_EQ(rowsOf(grid(other)), rows) << name;
    }
}

TEST_F(FrameOptionsTest, PickListsOfferValueNamesInOrdinalOrder)
{
    TFrameOptions frame;
    frame.Init(&symbol, QStringLiteral("DatamatrixOptions"));
    const QStringList sizes = pickList(frame, "Size");
    EXPECT_EQ(sizes.size(), 49);
    EXPECT_EQ(sizes.first(), QStringLiteral("dmsAuto"));
    EXPECT_EQ(sizes.indexOf(QStringLiteral("dmre8x48")), 31);
    EXPECT_EQ(sizes.last(), QStringLiteral("dmre26x64"));
    EXPECT_EQ(pickList(frame, "ForceSquare"),
              (QStringList{QStringLiteral("False"), QStringLiteral("True")}));

    TFrameOptions pdf;
    pdf.Init(&symbol, QStringLiteral("PDF417Options"));
    EXPECT_TRUE(pickList(pdf, "Columns").isEmpty());
}

TEST_F(FrameOptionsTest, ChoosingFromThePickListWritesTheSymbolAndNotifies)
{
    TFrameOptions frame;
    frame.Init(&symbol, QStringLiteral("DatamatrixOptions"));
    frame.RefreshFrame();
    QSignalSpy changes(&frame, &TFrameOptions::changed);

    editValue(frame, QStringLiteral("Size"), [](QWidget* editor) {
        auto* comboBox = qobject_cast<QComboBox*>(editor);
        ASSERT_NE(comboBox, nullptr);
        EXPECT_EQ(comboBox->count(), 49);
        comboBox->setCurrentIndex(comboBox->findText(QStringLiteral("dmre8x48")));
    });

    EXPECT_EQ(symbol.option_2(), 31);
    EXPECT_EQ(symbol.option_3(), 101);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).value<QObject*>(), &frame);
    EXPECT_EQ(rowsOf(grid(frame))[QStringLiteral("Size")], QStringLiteral("dmre8x48"));
}

TEST_F(FrameOptionsTest, TypedTextIsMatchedOrFallsBackOrIsRefused)
{
    symbol.PDF417Options()->SetCheckDigitCount(3);
    struct Case
    {
        const char* tab;
        const char* key;
        const char* typed;
        const char* shown;
    };
    // The sets share option_1, so the order of the rows matters.
    const Case cases[] = {
        {"PDF417Options", "CheckDigitCount", "9", "3"},
        {"PDF417Options", "CheckDigitCount", "abc", "3"},
        {"PDF417Options", "CheckDigitCount", "8", "8"},
        {"QRCodeOptions", "ECCLevel", "QRELEVELH", "qreLevelH"},
        {"QRCodeOptions", "ECCLevel", "xyz", "qreAuto"},
        {"DatamatrixOptions", "ForceSquare", "true", "True"},
        {"PDF417Options", "Columns", "31", "0"},
    };
    for (const Case& c : cases) {
        TFrameOptions frame;
        frame.Init(&symbol, QLatin1String(c.tab));
        frame.RefreshFrame();
        QSignalSpy changes(&frame, &TFrameOptions::changed);
        typeValue(frame, QLatin1String(c.key), QLatin1String(c.typed));
        EXPECT_EQ(rowsOf(grid(frame))[QLatin1String(c.key)], QLatin1String(c.shown)) << c.typed;
        EXPECT_EQ(changes.count(), 1) << c.typed;
    }
    EXPECT_EQ(symbol.option_1(), -1);
}

TEST_F(FrameOptionsTest, UnchangedCellCommitsNothing)
{
    TFrameOptions frame;
    frame.Init(&symbol, QStringLiteral("QRCodeOptions"));
    frame.RefreshFrame();
    QSignalSpy changes(&frame, &TFrameOptions::changed);
    symbol.set_option_1(-5);
    editValue(frame, QStringLiteral("ECCLevel"), [](QWidget*) {});
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(symbol.option_1(), -5);
}

TEST_F(FrameOptionsTest, ShowingATabShowsWhatAnotherTabWrote)
{
    QTabWidget tabs;
    auto* qr = new TFrameOptions;
    auto* aztec = new TFrameOptions;
    qr->Init(&symbol, QStringLiteral("QRCodeOptions"));
    aztec->Init(&symbol, QStringLiteral("AztecOptions"));
    tabs.addTab(qr, QStringLiteral("QRCodeOptions"));
    tabs.addTab(aztec, QStringLiteral("AztecOptions"));
    tabs.show();
    EXPECT_EQ(rowsOf(grid(*qr))[QStringLiteral("Size")], QStringLiteral("qrsAuto"));

    typeValue(*qr, QStringLiteral("Size"), QStringLiteral("qrs25"));
    tabs.setCurrentWidget(aztec);
    EXPECT_EQ(rowsOf(grid(*aztec))[QStringLiteral("Size")], QStringLiteral("ats19Compact"));
}

} // namespace
