#include "base/zint_exception.h"
#include "base/zint_persistent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Recorder
{
    std::vector<std::pair<std::string, TZintPersistent*>> calls;
    TZintPersistent::TNotifyEvent handler(const std::string& name)
    {
        return [this, name](TZintPersistent* sender) { calls.emplace_back(name, sender); };
    }
};

TEST(TZintPersistent, ChangedWithoutOwnerOrHandlerDoesNothing)
{
    TZintPersistent lonely;
    EXPECT_NO_THROW(lonely.Changed());
    EXPECT_EQ(lonely.Owner(), nullptr);
}

TEST(TZintPersistent, ChangeTravelsUpTheOwnerChainLowestFirst)
{
    Recorder recorder;
    TZintPersistent target;
    TZintPersistent box(&target);
    TZintPersistent value(&box);
    target.SetOnChange(recorder.handler("target"));
    box.SetOnChange(recorder.handler("box"));
    value.SetOnChange(recorder.handler("value"));

    value.Changed();

    const decltype(recorder.calls) expected{{"value", &value}, {"box", &box}, {"target", &target}};
    EXPECT_EQ(recorder.calls, expected);
}

TEST(TZintPersistent, BaseAssignRefusesWithConversionMessage)
{
    TZintPersistent a, b;
    try {
        a.Assign(&b);
        FAIL() << "Assign must refuse";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TZintPersistent to a TZintPersistent");
    }
}

} // namespace
