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
        {"http://mirror.example:8080", QStringLiteral("http://mirror.example:8080")},
        {"HTTPS://mirror.example", QStringLiteral("HTTPS://mirror.example")},
        {"http://user@mirror.example", maker},
        {"ftp://mirror.example", maker},
        {"http://", maker},
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

TEST(ServiceHostTest, ServicesAreReachedOverHttpsUnlessTheHostNamesPlainHttp)
{
    const QString path = QStringLiteral("/php/check2.php");
    const struct
    {
        QString Host;
        QString Expected;
    } cases[] = {
        {QStringLiteral("www.kelmora.example"),
         QStringLiteral("https://www.kelmora.example/php/check2.php")},
        {QStringLiteral("127.0.0.1:8080"), QStringLiteral("https://127.0.0.1:8080/php/check2.php")},
        {QStringLiteral("https://mirror.example"),
         QStringLiteral("https://mirror.example/php/check2.php")},
        {QStringLiteral("HTTPS://mirror.example"),
         QStringLiteral("https://mirror.example/php/check2.php")},
        {QStringLiteral("http://127.0.0.1:8080"),
         QStringLiteral("http://127.0.0.1:8080/php/check2.php")},
        {QStringLiteral("Http://mirror.example"),
         QStringLiteral("http://mirror.example/php/check2.php")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ServiceAddress(c.Host, path), c.Expected) << c.Host.toStdString();
}
