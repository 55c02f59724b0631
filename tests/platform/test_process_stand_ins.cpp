#include "platform/file_probe.h"
#include "platform/named_mutex.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

namespace {
// Tries to take an abstract socket name; errno EADDRINUSE when another holder has it.
int BindAbstractName(const char* name)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name, std::strlen(name));
    const int result = bind(fd, reinterpret_cast<const sockaddr*>(&address),
                            socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::strlen(name)));
    const int error = result == 0 ? 0 : errno;
    close(fd);
    return error;
}
} // namespace

TEST(NamedMutexTest, NameIsHeldAndASecondCreationStillReturns)
{
    const char* name = "KELMORA_Lintaro_test_named_mutex";
    ASSERT_EQ(BindAbstractName(name), 0) << "the name must be free before";
    CreateNamedMutex(name);
    CreateNamedMutex(name); // a second instance: not examined, not fatal
    EXPECT_EQ(BindAbstractName(name), EADDRINUSE);
}

TEST(FileProbeTest, CreatesNothingAndFailsOnAnExistingProbeFile)
{
    QTemporaryDir dir;
    EXPECT_TRUE(CanCreateFileIn(dir.path()));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    QFile existing(dir.filePath(QStringLiteral("chk.tmp")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    EXPECT_FALSE(CanCreateFileIn(dir.path()));
    EXPECT_TRUE(existing.exists());

    EXPECT_FALSE(CanCreateFileIn(dir.filePath(QStringLiteral("missing"))));
}
