#include "platform/os_error.h"

#include "base/zint_exception.h"

#include <system_error>

namespace {
thread_local TOSError lastError;
} // namespace

TOSError GetLastOSError()
{
    return lastError;
}

void SetLastOSError(int code)
{
    SetLastOSError(code, QString::fromStdString(std::generic_category().message(code)));
}

void SetLastOSError(int code, const QString& message)
{
    lastError = TOSError{code, message};
}

void RaiseLastOSError()
{
    const QString message =
        lastError.Code == 0 ? QStringLiteral("A call to an OS function failed") : lastError.Message;
    throw EZintException(message.toStdString());
}
