#pragma once

#include "base/zint_persistent.h"

// One length of a band side: a part in target units and a part in modules.
class TZintRenderValue final : public TZintPersistent
{
public:
    explicit TZintRenderValue(TZintPersistent* owner = nullptr);

    const char* ClassName() const override { return "TZintRenderValue"; }
    void Assign(const TZintPersistent* source) override;

    float TargetUnits() const { return FTargetUnits; }
    float Modules() const { return FModules; }
    // Both notify on every write, also when the value is unchanged.
    void SetTargetUnits(float value) { SetValue(0, value); }
    void SetModules(float value) { SetValue(1, value); }
    void SetValue(int index, float value);

    // Silent adjustments used by the layout while it converts modules to target units.
    void IncTargetUnits(float value);
    void IncModules(float value);
    void DecTargetUnits(float value);

private:
    float FTargetUnits = 0;
    float FModules = 0;
};
