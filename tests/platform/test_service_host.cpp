#include "platform/maker_web_host.h"
#include "platform/service_host.h"

#include <gtest/gtest.h>

TEST(ServiceHostTest, TheEnvironmentNamesAHostOnlyWhenItHoldsABareHostAndPort)
{
    const QString maker = QString::fromLatin1(MakerWebHost);
    const struct
    {
        const char* Value;
        QString Expected;
    } cases[] = {
        {nullptr, maker},
        {"", maker},
        {"127.0.0.1:8080", QStringLiteral("127.0.0.1:8080")},
        {" mirror.example ", QStringLiteral("mirror.example")},
        {"Mirror.Example:81", QStringLiteral("Mirror.Example:81")},
        {"[::1]:8443", QStringLiteral("[::1]:8443")},
        {"mirror.example/other", maker},
        {"user@mirror.example", maker},
        {"mirror.example?x=1", maker},
        {"mirror.example:port", maker},
        {"http://mirror.example", maker},
    };
    for (const auto& c : cases) {
        if (c.Value)
            qputenv("LINTARO_SERVICE_HOST", c.Value);
        else
            qunsetenv("LINTARO_SERVICE_HOST");
        EXPECT_EQ(MakerServiceHost(), c.Expected) << (c.Value ? c.Value : "(unset)");
    }
    qunsetenv("LINTARO_SERVICE_HOST");
}
