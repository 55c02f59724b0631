#include "base/zint_exception.h"

namespace {
std::string assignMessage(const char* sourceClass, const char* targetClass)
{
    return std::string("Cannot assign a ") + sourceClass + " to a " + targetClass;
}
} // namespace

EConvertError::EConvertError(const char* sourceClass, const char* targetClass)
    : EZintException(assignMessage(sourceClass, targetClass))
{}
