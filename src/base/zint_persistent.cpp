#include "base/zint_persistent.h"

#include "base/zint_exception.h"

void TZintPersistent::Changed()
{
    if (FOnChanged)
        FOnChanged(this);
    if (FOwner)
        FOwner->Changed();
}

void TZintPersistent::Assign(const TZintPersistent* source)
{
    throw EConvertError(source ? source->ClassName() : "nil", ClassName());
}
