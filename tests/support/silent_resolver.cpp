#include "support/silent_resolver.h"

#include <QTemporaryDir>

#include <arpa/inet.h>
#include <fcntl.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>

namespace {
constexpr int SetUpFailed = 3;
constexpr int ProbeFailed = 1;
// A probe that has not ended by then has hung: well beyond any bound it checks.
constexpr int ChildLimitMs = 60000;

bool WriteFile(const char* path, const std::string& text)
{
    std::ofstream file(path);
    file << text;
    return bool(file.flush());
}

// Becomes root of a user namespace of its own, with a network and mount namespace.
std::string EnterPrivateNamespaces()
{
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNET | CLONE_NEWNS) != 0)
        return std::string("unshare: ") + std::strerror(errno);
    if (!WriteFile("/proc/self/setgroups", "deny") ||
        !WriteFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !WriteFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
        return "cannot map the user";
    return {};
}

std::string BringLoopbackUp()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ifreq request = {};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    const bool up = fd >= 0 && ::ioctl(fd, SIOCGIFFLAGS, &request) == 0 &&
                    (request.ifr_flags |= IFF_UP, ::ioctl(fd, SIOCSIFFLAGS, &request) == 0);
    const std::string error = up ? std::string() : std::string("lo: ") + std::strerror(errno);
    if (fd >= 0)
        ::close(fd);
    return error;
}

// The socket stays open, unread, for the life of the child.
std::string BindSilentResolver()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(53);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return std::string("port 53: ") + std::strerror(errno);
    return {};
}

std::string PointResolverAtLoopback(const std::string& folder)
{
    const std::string conf = folder + "/resolv.conf";
    if (!WriteFile(conf.c_str(), "nameserver 127.0.0.1\noptions timeout:30 attempts:1\n"))
        return "cannot write " + conf;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount(conf.c_str(), "/etc/resolv.conf", nullptr, MS_BIND, nullptr) != 0)
        return std::string("mount: ") + std::strerror(errno);
    return {};
}

[[noreturn]] void RunChild(const std::string& folder, int reportFd,
                           const std::function<bool(std::string&)>& probe)
{
    std::string report;
    for (std::string error : {EnterPrivateNamespaces(), BringLoopbackUp(), BindSilentResolver(),
                              PointResolverAtLoopback(folder)}) {
        if (!error.empty()) {
            (void)!::write(reportFd, error.data(), error.size());
            // _exit: the child shares the parent's memory image, and must not run its exit.
            ::_exit(SetUpFailed);
        }
    }
    const bool passed = probe(report);
    (void)!::write(reportFd, report.data(), report.size());
    ::_exit(passed ? 0 : ProbeFailed);
}

std::string ReadAll(int fd)
{
    std::string text;
    char chunk[512];
    for (ssize_t count; (count = ::read(fd, chunk, sizeof chunk)) > 0;)
        text.append(chunk, size_t(count));
    return text;
}

// Waits for the child, killing it once it has run far too long.
int WaitForChild(pid_t child)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ChildLimitMs);
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        ::poll(nullptr, 0, 20);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

TSilentResolverRun RunWithSilentResolver(const std::function<bool(std::string&)>& probe)
{
    QTemporaryDir folder;
    int pipeFds[2];
    if (!folder.isValid() || ::pipe2(pipeFds, O_CLOEXEC) != 0)
        return {false, false, "no temporary folder or pipe"};
    const pid_t child = ::fork();
    if (child == 0)
        RunChild(folder.path().toStdString(), pipeFds[1], probe);
    ::close(pipeFds[1]);
    if (child < 0) {
        ::close(pipeFds[0]);
        return {false, false, std::string("fork: ") + std::strerror(errno)};
    }
    const int status = WaitForChild(child);
    std::string report = ReadAll(pipeFds[0]);
    ::close(pipeFds[0]);
    if (status == SetUpFailed)
        return {false, false, report};
    if (status < 0)
        report += " (the probe did not end)";
    return {true, status == 0, report};
}
