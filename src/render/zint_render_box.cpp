#include "render/zint_render_box.h"

#include "render/zint_render_value.h"

#include <array>

namespace {
float Sum(const TZintRenderValue& a, const TZintRenderValue& b,
          float (TZintRenderValue::*part)() const)
{
    return float(double((a.*part)()) + double((b.*part)()));
}

float Mean(float topAndBottom, float leftAndRight)
{
    return float((double(topAndBottom) + double(leftAndRight)) / 4);
}

float Product(float modules, float moduleSize)
{
    return float(double(modules) * double(moduleSize));
}
} // namespace

TZintRenderBox::TZintRenderBox(TZintPersistent* owner)
    : TZintPersistent(owner), FTop(std::make_unique<TZintRenderValue>(this)),
      FBottom(std::make_unique<TZintRenderValue>(this)),
      FLeft(std::make_unique<TZintRenderValue>(this)),
      FRight(std::make_unique<TZintRenderValue>(this))
{}

TZintRenderBox::~TZintRenderBox()
{
    FTop.reset();
    FBottom.reset();
    FLeft.reset();
    FRight.reset();
}

void TZintRenderBox::Assign(const TZintPersistent* source)
{
    const auto* box = dynamic_cast<const TZintRenderBox*>(source);
    if (!box) {
        TZintPersistent::Assign(source);
        return;
    }
    FTop->Assign(box->Top());
    FBottom->Assign(box->Bottom());
    FLeft->Assign(box->Left());
    FRight->Assign(box->Right());
}

void TZintRenderBox::SetSide(int index, const TZintRenderValue& value)
{
    const std::array<TZintRenderValue*, 4> sides = {Top(), Bottom(), Left(), Right()};
    if (index >= 0 && index < int(sides.size()))
        sides[index]->Assign(&value);
}

float TZintRenderBox::Modules() const
{
    return Mean(TopAndBottomModules(), LeftAndRightModules());
}

float TZintRenderBox::TargetUnits() const
{
    return Mean(TopAndBottomTargetUnits(), LeftAndRightTargetUnits());
}

void TZintRenderBox::SetModules(float value)
{
    for (TZintRenderValue* side : {Top(), Bottom(), Left(), Right()})
        side->SetModules(value);
}

void TZintRenderBox::SetTargetUnits(float value)
{
    for (TZintRenderValue* side : {Top(), Bottom(), Left(), Right()})
        side->SetTargetUnits(value);
}

float TZintRenderBox::TopAndBottomTargetUnits() const
{
    return Sum(*FTop, *FBottom, &TZintRenderValue::TargetUnits);
}

float TZintRenderBox::LeftAndRightTargetUnits() const
{
    return Sum(*FLeft, *FRight, &TZintRenderValue::TargetUnits);
}

float TZintRenderBox::TopAndBottomModules() const
{
    return Sum(*FTop, *FBottom, &TZintRenderValue::Modules);
}

float TZintRenderBox::LeftAndRightModules() const
{
    return Sum(*FLeft, *FRight, &TZintRenderValue::Modules);
}

void TZintRenderBox::AddModulesToTargetUnits(float moduleWidth, float moduleHeight, bool top,
                                             bool bottom, bool left, bool right)
{
    if (top)
        FTop->IncTargetUnits(Product(FTop->Modules(), moduleHeight));
    if (bottom)
        FBottom->IncTargetUnits(Product(FBottom->Modules(), moduleHeight));
    if (left)
        FLeft->IncTargetUnits(Product(FLeft->Modules(), moduleWidth));
    if (right)
        FRight->IncTargetUnits(Product(FRight->Modules(), moduleWidth));
}

void TZintRenderBox::RemoveModulesFromTargetUnits(float moduleWidth, float moduleHeight, bool top,
                                                  bool bottom, bool left, bool right)
{
    if (top)
        FTop->DecTargetUnits(Product(FTop->Modules(), moduleHeight));
    if (bottom)
        FBottom->DecTargetUnits(Product(FBottom->Modules(), moduleHeight));
    if (left)
        FLeft->DecTargetUnits(Product(FLeft->Modules(), moduleWidth));
    if (right)
        FRight->DecTargetUnits(Product(FRight->Modules(), moduleWidth));
}
