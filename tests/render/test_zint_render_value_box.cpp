#include "base/zint_exception.h"
#include "render/zint_render_box.h"
#include "render/zint_render_value.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {
// Records which objects notified, in order.
struct TChangeLog
{
    std::vector<TZintPersistent*> Senders;
    void Listen(TZintPersistent& object)
    {
        object.SetOnChange([this](TZintPersistent* sender) { Senders.push_back(sender); });
    }
    int CountOf(const TZintPersistent* sender) const
    {
        return int(std::count(Senders.begin(), Senders.end(), sender));
    }
};

void SetSides(TZintRenderBox& box, float top, float bottom, float left, float right,
              void (TZintRenderValue::*setter)(float))
{
    (box.Top()->*setter)(top);
    (box.Bottom()->*setter)(bottom);
    (box.Left()->*setter)(left);
    (box.Right()->*setter)(right);
}
} // namespace

TEST(ZintRenderValue, StartsAtZeroAndNotifiesItsOwnerTwiceWhenCreated)
{
    TZintPersistent owner;
    TChangeLog log;
    log.Listen(owner);
    TZintRenderValue value(&owner);
    EXPECT_EQ(value.TargetUnits(), 0.0f);
    EXPECT_EQ(value.Modules(), 0.0f);
    EXPECT_EQ(log.CountOf(&owner), 2);
}

TEST(ZintRenderValue, UnchangedWriteStillNotifiesEveryLevelOnceLowestFirst)
{
    TZintPersistent target;
    TZintRenderBox box(&target);
    TZintRenderValue& side = *box.Left();
    TChangeLog log;
    for (TZintPersistent* object : std::vector<TZintPersistent*>{&target, &box, &side})
        log.Listen(*object);

    side.SetModules(side.Modules());

    EXPECT_EQ(log.Senders, (std::vector<TZintPersistent*>{&side, &box, &target}));
}

TEST(ZintRenderValue, AssignCopiesBothPartsWithOneNotification)
{
    TZintRenderValue source;
    source.SetTargetUnits(5);
    source.SetModules(2);
    TZintRenderValue value;
    TChangeLog log;
    log.Listen(value);
    value.Assign(&source);
    EXPECT_EQ(value.TargetUnits(), 5.0f);
    EXPECT_EQ(value.Modules(), 2.0f);
    EXPECT_EQ(log.CountOf(&value), 1);
}

TEST(ZintRenderValue, WriterWithUnknownIndexStoresNothingButNotifies)
{
    TZintRenderValue value;
    TChangeLog log;
    log.Listen(value);
    value.SetValue(2, 7);
    EXPECT_EQ(value.TargetUnits(), 0.0f);
    EXPECT_EQ(value.Modules(), 0.0f);
    EXPECT_EQ(log.CountOf(&value), 1);
}

TEST(ZintRenderBox, WholeBoxViewsAndWritesOverTheFourSides)
{
    TZintRenderBox box;
    SetSides(box, 1, 2, 3, 4, &TZintRenderValue::SetModules);
    SetSides(box, 10, 20, 30, 50, &TZintRenderValue::SetTargetUnits);
    EXPECT_EQ(box.TopAndBottomModules(), 3.0f);
    EXPECT_EQ(box.LeftAndRightModules(), 7.0f);
    EXPECT_EQ(box.Modules(), 2.5f);
    EXPECT_EQ(box.TopAndBottomTargetUnits(), 30.0f);
    EXPECT_EQ(box.LeftAndRightTargetUnits(), 80.0f);
    EXPECT_EQ(box.TargetUnits(), 27.5f);

    TChangeLog log;
    log.Listen(box);
    box.SetModules(2);
    box.SetTargetUnits(6);
    for (TZintRenderValue* side : {box.Top(), box.Bottom(), box.Left(), box.Right()}) {
        EXPECT_EQ(side->Modules(), 2.0f);
        EXPECT_EQ(side->TargetUnits(), 6.0f);
    }
    EXPECT_EQ(log.CountOf(&box), 8);
}

TEST(ZintRenderBox, ModuleConversionFollowsTheFlagsAndIsUndoneSilently)
{
    struct TCase
    {
        bool Top, Bottom, Left, Right;
    };
    const TCase cases[] = {{true, true, true, true},
                           {true, true, false, false},
                           {false, false, true, false},
                           {false, true, false, true}};
    for (const TCase& c : cases) {
        TZintRenderBox box;
        SetSides(box, 5, 5, 5, 5, &TZintRenderValue::SetTargetUnits);
        box.SetModules(2);
        TChangeLog log;
        log.Listen(box);

        // Module width 3 for the left and right, module height 4 for the top and bottom.
        box.AddModulesToTargetUnits(3, 4, c.Top, c.Bottom, c.Left, c.Right);
        EXPECT_EQ(box.Top()->TargetUnits(), c.Top ? 13.0f : 5.0f);
        EXPECT_EQ(box.Bottom()->TargetUnits(), c.Bottom ? 13.0f : 5.0f);
        EXPECT_EQ(box.Left()->TargetUnits(), c.Left ? 11.0f : 5.0f);
        EXPECT_EQ(box.Right()->TargetUnits(), c.Right ? 11.0f : 5.0f);

        box.RemoveModulesFromTargetUnits(3, 4, c.Top, c.Bottom, c.Left, c.Right);
        EXPECT_EQ(box.TargetUnits(), 5.0f);
        EXPECT_EQ(box.Modules(), 2.0f);
        EXPECT_TRUE(log.Senders.empty());
    }
}

TEST(ZintRenderBox, AssignCopiesEightNumbersIntoItsOwnSides)
{
    TZintRenderBox source;
    SetSides(source, 1, 2, 3, 4, &TZintRenderValue::SetModules);
    SetSides(source, 5, 6, 7, 8, &TZintRenderValue::SetTargetUnits);
    TZintRenderBox box;
    TZintRenderValue* const ownTop = box.Top();
    TChangeLog log;
    log.Listen(box);

    box.Assign(&source);

    EXPECT_EQ(box.Top(), ownTop);
    EXPECT_NE(box.Top(), source.Top());
    EXPECT_EQ(log.CountOf(&box), 4);
    const TZintRenderValue* copied[] = {box.Top(), box.Bottom(), box.Left(), box.Right()};
    for (int side = 0; side < 4; ++side) {
        EXPECT_EQ(copied[side]->Modules(), float(side + 1));
        EXPECT_EQ(copied[side]->TargetUnits(), float(side + 5));
    }
    source.SetModules(9);
    EXPECT_EQ(box.Top()->Modules(), 1.0f);
}

TEST(ZintRenderBox, SideWriterCopiesIntoTheOwnedSideAndIgnoresUnknownIndexes)
{
    TZintRenderBox box;
    TZintRenderValue value;
    value.SetTargetUnits(4);
    value.SetModules(1);
    TChangeLog log;
    log.Listen(box);

    box.SetSide(3, value);
    box.SetSide(4, value);
    box.SetSide(-1, value);

    EXPECT_NE(box.Right(), &value);
    EXPECT_EQ(box.Right()->TargetUnits(), 4.0f);
    EXPECT_EQ(box.Right()->Modules(), 1.0f);
    EXPECT_EQ(box.LeftAndRightTargetUnits(), 4.0f);
    EXPECT_EQ(box.TopAndBottomTargetUnits(), 0.0f);
    EXPECT_EQ(log.CountOf(&box), 1);
}

TEST(ZintRenderBox, AssignFromAnUnrelatedClassRaisesAndKeepsTheTarget)
{
    TZintRenderBox box;
    box.SetTargetUnits(3);
    TZintRenderValue value;
    value.SetModules(7);

    struct TCase
    {
        TZintPersistent* Target;
        const TZintPersistent* Source;
        std::string Message;
    };
    const TCase cases[] = {
        {&value, &box, "Cannot assign a TZintRenderBox to a TZintRenderValue"},
        {&box, &value, "Cannot assign a TZintRenderValue to a TZintRenderBox"},
        {&value, nullptr, "Cannot assign a nil to a TZintRenderValue"},
    };
    for (const TCase& c : cases) {
        try {
            c.Target->Assign(c.Source);
            ADD_FAILURE() << "no error for " << c.Message;
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.what(), c.Message);
        }
    }
    EXPECT_EQ(value.Modules(), 7.0f);
    EXPECT_EQ(value.TargetUnits(), 0.0f);
    EXPECT_EQ(box.TargetUnits(), 3.0f);
    EXPECT_EQ(box.Modules(), 0.0f);
}
