#include "symbol/zint_symbol.h"

#include "render/zint_render_target.h"

// Only the target's declaration is needed: the call is virtual, so the symbol library does
// not link against the layout engine.
void TZintSymbol::Render(TZintCustomRenderTarget& target)
{
    target.Render(*this);
}
