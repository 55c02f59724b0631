#include "io/label_sheet.h"

#include <gtest/gtest.h>

namespace {
void ExpectRect(const QRectF& actual, const QRectF& expected)
{
    EXPECT_NEAR(actual.left(), expected.left(), 1e-9);
    EXPECT_NEAR(actual.top(), expected.top(), 1e-9);
    EXPECT_NEAR(actual.width(), expected.width(), 1e-9);
    EXPECT_NEAR(actual.height(), expected.height(), 1e-9);
}
} // namespace

// The presets are the common sheets, and the custom form spelling them out gives the same labels.
TEST(LabelSheet, PresetsAndTheirCustomSpellingPlaceTheSameLabels)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a4-3x8", "a4,3x8,70x37,0.5:0:0.5:0,0"},
        {"letter-3x10", "letter,3x10,66.675x25.4,12.7:4.7625:12.7:4.7625,3.175x0"},
        {"A4-3X8", " 210 x 297 , 3x8, 70x37, 0.5:0:0.5:0, 0x0 "},
    };
    for (const auto& [preset, custom] : cases) {
        SCOPED_TRACE(preset);
        const TLabelSheetReading a = ReadLabelSheet(QLatin1String(preset));
        const TLabelSheetReading b = ReadLabelSheet(QLatin1String(custom));
        ASSERT_TRUE(a.Sheet) << a.Error.toStdString();
        ASSERT_TRUE(b.Sheet) << b.Error.toStdString();
        ASSERT_EQ(a.Sheet->LabelsPerPage(), b.Sheet->LabelsPerPage());
        EXPECT_EQ(a.Sheet->Page, b.Sheet->Page);
        for (int i = 0; i < a.Sheet->LabelsPerPage(); ++i)
            ExpectRect(a.Sheet->LabelRect(i), b.Sheet->LabelRect(i));
    }
    // Letter: 3/16 in side margins, 1/8 in between columns, half an inch above.
    const TLabelSheet letter = ReadLabelSheet(QStringLiteral("letter-3x10")).Sheet.value();
    ExpectRect(letter.LabelRect(4), {4.7625 + 66.675 + 3.175, 12.7 + 25.4, 66.675, 25.4});
    ExpectRect(letter.LabelRect(29),
               {4.7625 + 2 * (66.675 + 3.175), 12.7 + 9 * 25.4, 66.675, 25.4});
    EXPECT_NEAR(letter.Page.width(), 215.9, 1e-9);
    const TLabelSheet a4 = ReadLabelSheet(QStringLiteral("a4-3x8")).Sheet.value();
    ExpectRect(a4.LabelRect(23), {140, 0.5 + 7 * 37, 70, 37});
    ExpectRect(a4.LabelRect(24), a4.LabelRect(0)); // the next page starts again at the top
}

TEST(LabelSheet, CustomMarginsAndGapsTakeOneOrEveryValue)
{
    const TLabelSheet sheet =
        ReadLabelSheet(QStringLiteral("100x80,2x3,40x20,5:6:7:8,4x2")).Sheet.value();
    EXPECT_EQ(sheet.Page, QSizeF(100, 80));
    ExpectRect(sheet.LabelRect(0), {8, 5, 40, 20});
    ExpectRect(sheet.LabelRect(3), {8 + 40 + 4, 5 + 20 + 2, 40, 20});
    const TLabelSheet even = ReadLabelSheet(QStringLiteral("100x80,2x3,40x20,3,1.5")).Sheet.value();
    ExpectRect(even.LabelRect(3), {3 + 40 + 1.5, 3 + 20 + 1.5, 40, 20});
}

// Every mistake is named, nothing is guessed.
TEST(LabelSheet, UnreadableSheetsSayWhatIsWrong)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "expected a preset"},
        {"a5-3x8", "expected a preset"},
        {"a4,3x8,70x37,0", "expected a preset"},
        {"a4,3x8,70x37,0,0,0", "expected a preset"},
        {"a3,3x8,70x37,0,0", "page \"a3\""},
        {"a4,0x8,70x37,0,0", "label count \"0\""},
        {"a4,3x8.5,70x37,0,0", "label count \"8.5\""},
        {"a4,3,70x37,0,0", "not COLSxROWS"},
        {"a4,3x8,0x37,0,0", "label \"0\""},
        {"a4,3x8,70x-37,0,0", "label \"-37\""},
        {"a4,3x8,70xnan,0,0", "label \"nan\""},
        {"a4,3x8,70x37,inf,0", "margin \"inf\""},
        {"a4,3x8,70x37,1:2:3,0", "TOP:RIGHT:BOTTOM:LEFT"},
        {"a4,3x8,70x37,0,1x2x3", "gap \"1x2x3\""},
        {"a4,3x8,70x37,0,0.1x0", "need 210.20 mm across, the page is 210.00 mm"},
        {"a4,3x8,70x37,1,0", "need 212.00 mm across"},
        {"a4,3x9,70x37,0,0", "need 333.00 mm down, the page is 297.00 mm"},
        {"100000x10,1x1,5x5,0,0", "page \"100000\""},
        // A PDF page is 3 to 14,400 points a side: 1.06 to 5,080 mm.
        {"5080.1x10,1x1,5x5,0,0", "page \"5080.1\""},
        {"1x1,1x1,0.5x0.5,0,0", "smaller than the 1.06 mm a PDF page needs"},
        {"0.001x0.001,1x1,0.001x0.001,0,0", "smaller than the 1.06 mm"},
    };
    for (const auto& [text, message] : cases) {
        const TLabelSheetReading reading = ReadLabelSheet(QLatin1String(text));
        EXPECT_FALSE(reading.Sheet) << text;
        EXPECT_TRUE(reading.Error.contains(QLatin1String(message)))
            << text << ": " << reading.Error.toStdString();
    }
}

// The form the window writes for a sheet reads back as the same sheet.
TEST(LabelSheet, SheetTextReadsBackAsTheSameSheet)
{
    for (const char* text : {"a4-3x8", "letter-3x10", "100x80,2x3,40x20,5:6:7:8,4x2",
                             "1.06x5080,1x1,1x1,0,0", "215.9x279.4,2x500,0.5x0.5,0.25,0.0001"}) {
        SCOPED_TRACE(text);
        const TLabelSheet sheet = ReadLabelSheet(QLatin1String(text)).Sheet.value();
        const TLabelSheetReading again = ReadLabelSheet(LabelSheetText(sheet));
        ASSERT_TRUE(again.Sheet) << again.Error.toStdString();
        EXPECT_EQ(LabelSheetText(*again.Sheet), LabelSheetText(sheet));
        EXPECT_EQ(again.Sheet->LabelsPerPage(), sheet.LabelsPerPage());
        for (const int i : {0, sheet.LabelsPerPage() - 1})
            ExpectRect(again.Sheet->LabelRect(i), sheet.LabelRect(i));
    }
}

// Printers leave about 4 mm of the paper blank: a label reaching into it on any side is
// flagged, one 4 mm or more from every edge is not.
TEST(LabelSheet, LabelsWithin4MmOfTheEdgeAreFlagged)
{
    const std::pair<const char*, bool> cases[] = {
        {"a4-3x8", true},
        {"letter-3x10", false},
        {"100x80,2x2,40x30,4,2", false},
        {"100x80,2x2,40x30,3.9:4:4:4,2", true},
        {"89.9x80,2x2,40x30,4:3.9:4:4,2", true},
        {"100x69.9,2x2,40x30,4:4:3.9:4,2", true},
        {"100x80,2x2,40x30,4:4:4:3.9,2", true},
        // Margins of 4 on the top and left, the rest of the page below and to the right.
        {"100x80,1x1,40x30,4,0", false},
    };
    for (const auto& [text, near] : cases)
        EXPECT_EQ(LabelsNearPaperEdge(ReadLabelSheet(QLatin1String(text)).Sheet.value()), near)
            << text;
}
