#include "render/zint_render_value.h"

TZintRenderValue::TZintRenderValue(TZintPersistent* owner) : TZintPersistent(owner)
{
    // Both writes notify, so an owner hears about every new side.
    SetModules(0);
    SetTargetUnits(0);
}

void TZintRenderValue::Assign(const TZintPersistent* source)
{
    const auto* value = dynamic_cast<const TZintRenderValue*>(source);
    if (!value) {
        TZintPersistent::Assign(source);
        return;
    }
    FModules = value->FModules;
    FTargetUnits = value->FTargetUnits;
    Changed();
}

void TZintRenderValue::SetValue(int index, float value)
{
    if (index == 0)
        FTargetUnits = value;
    else if (index == 1)
        FModules = value;
    Changed();
}

void TZintRenderValue::IncTargetUnits(float value)
{
    FTargetUnits = float(double(FTargetUnits) + double(value));
}

void TZintRenderValue::IncModules(float value)
{
    FModules = float(double(FModules) + double(value));
}

void TZintRenderValue::DecTargetUnits(float value)
{
    FTargetUnits = float(double(FTargetUnits) - double(value));
}
