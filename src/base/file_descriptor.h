#pragma once

#include <unistd.h>

// Owns a file descriptor: closed however the scope ends.
class TFileDescriptor final
{
public:
    explicit TFileDescriptor(int fd) : FFd(fd) {}
    ~TFileDescriptor() { Reset(-1); }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return FFd; }
    // Closes the one held and takes `fd`.
    void Reset(int fd)
    {
        if (FFd >= 0)
            ::close(FFd);
        FFd = fd;
    }

private:
    int FFd;
};
