#include "update/service_answer.h"

#include <gtest/gtest.h>

TEST(ServiceAnswerTest, ANewerVersionIsAPlainVersionAboveTheRunningOne)
{
    const struct
    {
        const char* Offered;
        const char* Running;
        bool Newer;
    } cases[] = {
        {"1.2", "1.1", true},
        {"1.10", "1.9", true}, // numbers, not text
        {"2", "1.1", true},
        {"1.1.0.1", "1.1", true},
        {"99999999.0", "1.1", true},
        {"1.1.0", "1.1", false},
        {"1.1.0.0", "1.1", false},
        {"1.0.9", "1.1", false},
        {"1.2.3.4.5", "1.1", false},
        {"01.2", "1.1", false},
        {"1.02", "1.1", false},
        {"100000000.0", "1.1", false}, // more digits than a part may have
        {"1..2", "1.1", false},
        {"1.2.", "1.1", false},
        {"", "1.1", false},
        {" 1.2", "1.1", false},
        {"1.2 ", "1.1", false},
        {"+1.2", "1.1", false},
        {"1.-2", "1.1", false},
        {"1.2b", "1.1", false},
        {"١.٢", "1.1", false}, // digits of another script
        {"1.2", "", false},
        {"1.2", "one", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsNewerVersion(QString::fromUtf8(c.Offered), QString::fromUtf8(c.Running)),
                  c.Newer)
            << c.Offered << " against " << c.Running;
}

TEST(ServiceAnswerTest, LinesEndAtAnyLineBreak)
{
    EXPECT_EQ(ResponseLines(QStringLiteral("a\r\nb\nc\rd\r\n")),
              QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("d")}));
    EXPECT_EQ(ResponseLines(QStringLiteral("a\n\nb")),
              QStringList({QStringLiteral("a"), QString(), QStringLiteral("b")}));
}
