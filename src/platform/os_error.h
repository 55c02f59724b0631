#pragma once

#include <QString>

// The calling thread's last failure of a platform operation: an errno code and its text,
// kept like the operating system's last error so callers can report it after the fact.
struct TOSError
{
    int Code = 0;
    QString Message;
};

TOSError GetLastOSError();

// Records code with the system's own text for it.
void SetLastOSError(int code);
void SetLastOSError(int code, const QString& message);

// Raises EZintException carrying the last error's text.
[[noreturn]] void RaiseLastOSError();
