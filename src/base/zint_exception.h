#pragma once

#include <stdexcept>
#include <string>

// The program's one exception type: encoder errors, layout size errors, file errors.
// The message is UTF-8 and is shown to the user as it stands.
class EZintException : public std::runtime_error
{
public:
    explicit EZintException(const std::string& message) : std::runtime_error(message) {}
};

// Raised when a file cannot be created or written (a full disk, a missing or read-only
// folder): the place written to is at fault, not the data.
class ECannotCreateFile final : public EZintException
{
public:
    using EZintException::EZintException;
};

// Raised when every name a new file may take is taken already: by a resumed run, whose entry
// another run or an earlier one has written.
class EFileExists final : public EZintException
{
public:
    using EZintException::EZintException;
};

// Raised when an object is assigned from an object of an unrelated class.
class EConvertError final : public EZintException
{
public:
    EConvertError(const char* sourceClass, const char* targetClass);
};
