// The target's properties: construction, copying and the setters that notify its owner.
#include "render/zint_render_target.h"

#include "render/zint_render_box.h"

#include <iterator>

TZintCustomRenderTarget::TZintCustomRenderTarget(TZintPersistent* owner)
    : TZintPersistent(owner), FMargin(std::make_unique<TZintRenderBox>(this)),
      FBorder(std::make_unique<TZintRenderBox>(this)),
      FPadding(std::make_unique<TZintRenderBox>(this)),
      FWhitespace(std::make_unique<TZintRenderBox>(this)),
      FTextSpacing(std::make_unique<TZintRenderBox>(this))
{
    // No owner: the layout's working copies notify nobody.
    for (auto& band : FLayoutBands)
        band = std::make_unique<TZintRenderBox>();
}

TZintCustomRenderTarget::~TZintCustomRenderTarget()
{
    FMargin.reset();
    FBorder.reset();
    FPadding.reset();
    FWhitespace.reset();
    FTextSpacing.reset();
}

void TZintCustomRenderTarget::Assign(const TZintPersistent* source)
{
    const auto* target = dynamic_cast<const TZintCustomRenderTarget*>(source);
    if (!target) {
        TZintPersistent::Assign(source);
        return;
    }
    FXDesired = target->FXDesired;
    FYDesired = target->FYDesired;
    FWidthDesired = target->FWidthDesired;
    FHeightDesired = target->FHeightDesired;
    FRenderAdjustMode = target->FRenderAdjustMode;
    FTransparent = target->FTransparent;
    FHexagonScale = target->FHexagonScale;
    FMargin->Assign(target->Margin());
    FBorder->Assign(target->Border());
    FPadding->Assign(target->Padding());
    FWhitespace->Assign(target->Whitespace());
    FTextSpacing->Assign(target->TextSpacing());
    FHAlign = target->FHAlign;
    FVAlign = target->FVAlign;
    FMinModuleWidth = target->FMinModuleWidth;
    FMaxModuleWidth = target->FMaxModuleWidth;
    FShowText = target->FShowText;
    FFixedModuleWidth = target->FFixedModuleWidth;
    FWholeModules = target->FWholeModules;
    FFitToSymbol = target->FFitToSymbol;
    FFreeRowHeight = target->FFreeRowHeight;
    FTextModuleShare = target->FTextModuleShare;
    Changed();
}

namespace {
template <typename T> void SetAndNotify(T& field, T value, TZintPersistent& owner)
{
    if (field == value)
        return;
    field = value;
    owner.Changed();
}
} // namespace

void TZintCustomRenderTarget::SetRenderAdjustMode(TZintRenderAdjustMode value)
{
    SetAndNotify(FRenderAdjustMode, value, *this);
}

void TZintCustomRenderTarget::SetTransparent(bool value)
{
    SetAndNotify(FTransparent, value, *this);
}

void TZintCustomRenderTarget::SetHexagonScale(float value)
{
    SetAndNotify(FHexagonScale, value, *this);
}

void TZintCustomRenderTarget::SetHAlign(TZintHAlign value)
{
    SetAndNotify(FHAlign, value, *this);
}

void TZintCustomRenderTarget::SetVAlign(TZintVAlign value)
{
    SetAndNotify(FVAlign, value, *this);
}

void TZintCustomRenderTarget::SetMinModuleWidth(float value)
{
    SetAndNotify(FMinModuleWidth, value, *this);
}

void TZintCustomRenderTarget::SetMaxModuleWidth(float value)
{
    SetAndNotify(FMaxModuleWidth, value, *this);
}

void TZintCustomRenderTarget::SetShowText(bool value)
{
    SetAndNotify(FShowText, value, *this);
}

void TZintCustomRenderTarget::SetFixedModuleWidth(float value)
{
    SetAndNotify(FFixedModuleWidth, value, *this);
}

void TZintCustomRenderTarget::SetWholeModules(bool value)
{
    SetAndNotify(FWholeModules, value, *this);
}

void TZintCustomRenderTarget::SetFitToSymbol(bool value)
{
    SetAndNotify(FFitToSymbol, value, *this);
}

void TZintCustomRenderTarget::SetFreeRowHeight(float value)
{
    SetAndNotify(FFreeRowHeight, value, *this);
}

void TZintCustomRenderTarget::SetTextModuleShare(float value)
{
    SetAndNotify(FTextModuleShare, value, *this);
}

void TZintCustomRenderTarget::SetBox(int index, const TZintRenderBox& value)
{
    TZintRenderBox* const boxes[] = {Margin(), Padding(), Border(), Whitespace(), TextSpacing()};
    if (index < 0 || index >= int(std::size(boxes)))
        return;
    boxes[index]->Assign(&value);
    Changed();
}
