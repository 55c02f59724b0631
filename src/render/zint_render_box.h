#pragma once

#include "base/zint_persistent.h"

#include <memory>

class TZintRenderValue;

// Four sides of one band (margin, border, padding, whitespace, text spacing).
class TZintRenderBox final : public TZintPersistent
{
public:
    explicit TZintRenderBox(TZintPersistent* owner = nullptr);
    ~TZintRenderBox() override;

    const char* ClassName() const override { return "TZintRenderBox"; }
    void Assign(const TZintPersistent* source) override;

    TZintRenderValue* Top() const { return FTop.get(); }
    TZintRenderValue* Bottom() const { return FBottom.get(); }
    TZintRenderValue* Left() const { return FLeft.get(); }
    TZintRenderValue* Right() const { return FRight.get(); }
    // Copies into the owned side (index 0 top, 1 bottom, 2 left, 3 right).
    void SetSide(int index, const TZintRenderValue& value);

    float Modules() const;     // mean of the four module parts
    float TargetUnits() const; // mean of the four target-unit parts
    void SetModules(float value);
    void SetTargetUnits(float value);

    float TopAndBottomTargetUnits() const;
    float LeftAndRightTargetUnits() const;
    float TopAndBottomModules() const;
    float LeftAndRightModules() const;

    void AddModulesToTargetUnits(float moduleWidth, float moduleHeight, bool top, bool bottom,
                                 bool left, bool right);
    void RemoveModulesFromTargetUnits(float moduleWidth, float moduleHeight, bool top, bool bottom,
                                      bool left, bool right);

private:
    std::unique_ptr<TZintRenderValue> FTop;
    std::unique_ptr<TZintRenderValue> FBottom;
    std::unique_ptr<TZintRenderValue> FLeft;
    std::unique_ptr<TZintRenderValue> FRight;
};
