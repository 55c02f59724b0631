#include "platform/named_mutex.h"

#include <sys/socket.h>
#include <sys/un.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

void CreateNamedMutex(const char* name)
{
    // An abstract-namespace socket: no file is left behind, and the descriptor is deliberately
    // kept open until exit so that the name stays held.
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t length = std::min(std::strlen(name), sizeof(address.sun_path) - 1);
    std::memcpy(address.sun_path + 1, name, length);
    bind(fd, reinterpret_cast<const sockaddr*>(&address),
         socklen_t(offsetof(sockaddr_un, sun_path) + 1 + length));
}
