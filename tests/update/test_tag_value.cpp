#include "update/tag_value.h"

#include <gtest/gtest.h>

TEST(TagValueTest, TakesTheElementThatFillsTheWholeLine)
{
    const struct
    {
        const char* Line;
        const char* Name;
        const char* Expected;
    } cases[] = {
        {"<version>9.9</version>", "version", "9.9"},
        {"<version>9.9</version>", "Version", "9.9"},
        {"<url>https://x.example/a?b=<c></url>", "url", "https://x.example/a?b=<c>"},
        {"<version></version>", "version", ""},
        {"<VERSION>9.9</VERSION>", "version", ""},
        {" <version>9.9</version>", "version", ""},
        {"<version>9.9</version> ", "version", ""},
        {"<version>9.9", "version", ""},
        {"9.9</version>", "version", ""},
        {"<url>9.9</url>", "version", ""},
        {"", "version", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TagValue(QString::fromUtf8(c.Line), QString::fromUtf8(c.Name)),
                  QString::fromUtf8(c.Expected))
            << c.Line << " / " << c.Name;
}
