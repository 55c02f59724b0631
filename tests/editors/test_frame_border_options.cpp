#include "../render/band_side_cases.h"
#include "editors/frame_border_options.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FrameBorderOptionsTest : public testing::Test
{
protected:
    QLineEdit* edit(const char* name) { return frame.findChild<QLineEdit*>(QLatin1String(name)); }
    QComboBox* units() { return frame.findChild<QComboBox*>(QStringLiteral("cbUnits")); }
    QCheckBox* allSame() { return frame.findChild<QCheckBox*>(QStringLiteral("cbAllSame")); }

    void setSides(const char* top, const char* left, const char* right, const char* bottom)
    {
        edit("edTop")->setText(QLatin1String(top));
        edit("edLeft")->setText(QLatin1String(left));
        edit("edRight")->setText(QLatin1String(right));
        edit("edBottom")->setText(QLatin1String(bottom));
    }

    // A box with both parts set, so a write that forgets a part shows.
    static void preset(TZintRenderBox& box)
    {
        for (TZintRenderValue* side : {box.Top(), box.Left(), box.Right(), box.Bottom()}) {
            side->SetModules(7);
            side->SetTargetUnits(9);
        }
    }

    TFrameBorderOptions frame;
    QSignalSpy changes{&frame, &TFrameBorderOptions::changed};
};

TEST_F(FrameBorderOptionsTest, NewFrameIsEmptyInTargetUnitsAndWritesZeros)
{
    const std::pair<const char*, const char*> hints[] = {
        {"edTop", "Top"}, {"edLeft", "Left"}, {"edRight", "Right"}, {"edBottom", "Bottom"}};
    for (const auto& [name, hint] : hints) {
        ASSERT_NE(edit(name), nullptr) << name;
        EXPECT_TRUE(edit(name)->text().isEmpty()) << name;
        EXPECT_EQ(edit(name)->placeholderText(), QLatin1String(hint));
    }
    EXPECT_EQ(units()->currentIndex(), 1);
    EXPECT_EQ(units()->currentText(), QStringLiteral("Pixels"));
    EXPECT_EQ(units()->itemText(0), QStringLiteral("Modules"));
    EXPECT_FALSE(allSame()->isChecked());
    EXPECT_EQ(allSame()->text(), QStringLiteral("All sides the same"));

    TZintRenderBox box;
    preset(box);
    frame.UpdateRenderBox(&box);
    for (TZintRenderValue* side : {box.Top(), box.Left(), box.Right(), box.Bottom()}) {
        EXPECT_EQ(side->Modules(), 0);
        EXPECT_EQ(side->TargetUnits(), 0);
    }
    EXPECT_NO_THROW(frame.UpdateRenderBox(nullptr));
}

TEST_F(FrameBorderOptionsTest, BoxGetsEachSideInTheChosenUnitOnly)
{
    setSides("1", "2", "3", "4");
    for (const bool inModules : {true, false}) {
        units()->setCurrentIndex(inModules ? 0 : 1);
        TZintRenderBox box;
        preset(box);
        frame.UpdateRenderBox(&box);
        const std::pair<TZintRenderValue*, float> expected[] = {
            {box.Top(), 1}, {box.Left(), 2}, {box.Right(), 3}, {box.Bottom(), 4}};
        for (const auto& [side, value] : expected) {
            EXPECT_EQ(side->Modules(), inModules ? value : 0) << "modules " << inModules;
            EXPECT_EQ(side->TargetUnits(), inModules ? 0 : value) << "modules " << inModules;
        }
    }
}

TEST_F(FrameBorderOptionsTest, UnreadableTextsCountAsZero)
{
    for (const char* text : {"abc", "", "inf", "nan", "1e300", "1.5x"}) {
        setSides(text, text, text, text);
        TZintRenderBox box;
        preset(box);
        frame.UpdateRenderBox(&box);
        for (TZintRenderValue* side : {box.Top(), box.Left(), box.Right(), box.Bottom()})
            EXPECT_EQ(side->TargetUnits(), 0) << text;
    }
}

TEST_F(FrameBorderOptionsTest, AllTheSameMirrorsTopAndDisablesTheOthers)
{
    setSides("5", "1", "2", "3");
    allSame()->click();
    for (const char* name : {"edLeft", "edRight", "edBottom"}) {
        EXPECT_EQ(edit(name)->text(), QStringLiteral("5")) << name;
        EXPECT_FALSE(edit(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(edit("edTop")->isEnabled());

    allSame()->click();
    for (const char* name : {"edLeft", "edRight", "edBottom"}) {
        EXPECT_EQ(edit(name)->text(), QStringLiteral("5")) << name;
        EXPECT_TRUE(edit(name)->isEnabled()) << name;
    }
}

TEST_F(FrameBorderOptionsTest, ArrowKeysStepTheFocusedSide)
{
    struct Case
    {
        const char* before;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* after;
    };
    const Case cases[] = {
        {"2", Qt::Key_Up, Qt::ControlModifier, "12"},
        // A band has no negative sides.
        {"", Qt::Key_Down, Qt::ShiftModifier, "0"},
        {"abc", Qt::Key_Up, Qt::NoModifier, "1"},
        {"1", Qt::Key_Up, Qt::ShiftModifier | Qt::ControlModifier, "1.5"},
        {"10", Qt::Key_Down, Qt::ControlModifier, "0"},
        {"0.1", Qt::Key_Up, Qt::NoModifier, "1.1"},
        {"7", Qt::Key_Left, Qt::NoModifier, "7"},
    };
    for (const Case& c : cases) {
        for (const char* name : {"edTop", "edLeft", "edRight", "edBottom"}) {
            edit(name)->setText(QLatin1String(c.before));
            QTest::keyClick(edit(name), c.key, c.modifiers);
            EXPECT_EQ(edit(name)->text(), QLatin1String(c.after)) << name << " " << c.before;
        }
    }
}

TEST_F(FrameBorderOptionsTest, NumbersFollowTheUsersLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    edit("edTop")->setText(QStringLiteral("1,5"));
    QTest::keyClick(edit("edTop"), Qt::Key_Up, Qt::ControlModifier);
    const QString stepped = edit("edTop")->text();
    edit("edTop")->setText(QStringLiteral("1234,5"));
    TZintRenderBox box;
    frame.UpdateRenderBox(&box);
    QLocale::setDefault(saved);

    EXPECT_EQ(stepped, QStringLiteral("11,5"));
    EXPECT_EQ(box.Top()->TargetUnits(), 1234.5f);
}

TEST_F(FrameBorderOptionsTest, NotifiesOnlyRealChanges)
{
    edit("edLeft")->setText(QStringLiteral("3"));
    EXPECT_EQ(changes.count(), 1);
    edit("edLeft")->setText(QStringLiteral("3"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).value<QObject*>(), &frame);

    // One keystroke in the top side reaches every side that changes with it.
    edit("edTop")->setText(QStringLiteral("3"));
    allSame()->click();
    changes.clear();
    QTest::keyClick(edit("edTop"), Qt::Key_7);
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ(edit("edBottom")->text(), QStringLiteral("37"));
}

// A side the text cannot give keeps the last length in effect and the edit says why.
TEST_F(FrameBorderOptionsTest, SidesReadTheSharedLengthTableAndMarkWhatTheyRefuse)
{
    const QLocale saved;
    for (const TBandSideCase& test : BandSideCases) {
        QLocale::setDefault(QLocale(test.Language));
        units()->setCurrentIndex(units()->findData(int(test.Unit)));
        edit("edLeft")->setText(QStringLiteral("3"));
        edit("edLeft")->setText(QLatin1String(test.Text));
        TZintRenderBox box;
        frame.UpdateRenderBox(&box);
        const float left =
            test.Unit == TLengthUnit::luModules ? box.Left()->Modules() : box.Left()->TargetUnits();
        const std::string what =
            '"' + std::string(test.Text) + "\" in " + QLocale().name().toStdString();
        EXPECT_EQ(left, float(test.Value.value_or(3))) << what;
        EXPECT_EQ(edit("edLeft")->property("invalid").toBool(), !test.Value) << what;
        EXPECT_EQ(edit("edLeft")->toolTip().isEmpty(), test.Value.has_value()) << what;
        EXPECT_EQ(frame.Problem(), edit("edLeft")->toolTip()) << what;
    }
    QLocale::setDefault(saved);
}

TEST_F(FrameBorderOptionsTest, AUnitThatMakesTheTextValidClearsTheMark)
{
    edit("edTop")->setText(QStringLiteral("4m"));
    EXPECT_FALSE(frame.Problem().isEmpty());
    units()->setCurrentIndex(units()->findData(int(TLengthUnit::luModules)));
    EXPECT_TRUE(frame.Problem().isEmpty());
    TZintRenderBox box;
    frame.UpdateRenderBox(&box);
    EXPECT_EQ(box.Top()->Modules(), 4);
}

TEST_F(FrameBorderOptionsTest, UnitChangeNotifiesOnceAndKeepsTheNumbers)
{
    setSides("1", "2", "3", "4");
    changes.clear();
    units()->setCurrentIndex(0);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(edit("edTop")->text(), QStringLiteral("1"));
    EXPECT_EQ(edit("edBottom")->text(), QStringLiteral("4"));
}

} // namespace
