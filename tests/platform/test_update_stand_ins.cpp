#include "platform/os_description.h"
#include "platform/user_locale_name.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(OsDescriptionTest, TakesTheWindowsShape)
{
    const struct
    {
        const char* PrettyName;
        const char* Kernel;
        const char* Architecture;
        const char* Expected;
    } cases[] = {
        {"Debian GNU/Linux 12 (bookworm)", "6.1.0-18-amd64", "x86_64",
         "Debian GNU/Linux 12 (bookworm) (Version 6.1, Build 6.1.0-18-amd64, 64-bit Edition)"},
        {"Raspbian", "5.10.103-v7l+", "arm",
         "Raspbian (Version 5.10, Build 5.10.103-v7l+, 32-bit Edition)"},
        {"Fedora", "6.8.9-300.fc40.aarch64", "arm64",
         "Fedora (Version 6.8, Build 6.8.9-300.fc40.aarch64, 64-bit Edition)"},
        {"Odd", "unknown", "i386", "Odd (Version 0.0, Build unknown, 32-bit Edition)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OsDescription(QString::fromUtf8(c.PrettyName), QString::fromUtf8(c.Kernel),
                                QString::fromUtf8(c.Architecture)),
                  QString::fromUtf8(c.Expected));
    static const QRegularExpression shape(
        QStringLiteral("^.+ \\(Version \\d+\\.\\d+, Build .+, (32|64)-bit Edition\\)$"));
    EXPECT_TRUE(shape.match(CurrentOsDescription()).hasMatch())
        << CurrentOsDescription().toStdString();
}

TEST(UserLocaleNameTest, JoinsLanguageAndRegionWithAHyphen)
{
    EXPECT_EQ(UserLocaleName(QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("de-DE"));
    EXPECT_EQ(UserLocaleName(QLocale(QLocale::Portuguese, QLocale::Brazil)),
              QStringLiteral("pt-BR"));
    EXPECT_EQ(UserLocaleName(QLocale::c()), QStringLiteral("xx"));
}
