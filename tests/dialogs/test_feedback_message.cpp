#include "dialogs/feedback_message.h"

#include "dialogs/program_facts.h"

#include <gtest/gtest.h>

TEST(FeedbackMessage, EmailPatternOverTheWholeAddress)
{
    struct TCase
    {
        const char* Address;
        bool Valid;
    };
    const TCase cases[] = {
        {"john.doe+bars@example.com", true},
        {"a_b-c@mail.eu.example.org", true},
        {"x@y.z", true},
        {"x@y-z.a-b.c1", true},
        {"johndoe.example.com", false},  // no "@"
        {"john@localhost", false},       // domain without a dot
        {"john@example.com.", false},    // ends in a dot
        {"john@example.com-", false},    // ends in a hyphen
        {"john doe@example.com", false}, // a space
        {"john@example.com\n", false},   // a line break after the end
        {"john@exa_mple.com", false},    // "_" only before the "@"
        {"jöhn@example.com", false},     // letters as written: ASCII only
        {"john@@example.com", false},
        {"@example.com", false},
    };
    for (const TCase& test : cases)
        EXPECT_EQ(IsValidEmailAddress(QString::fromUtf8(test.Address)), test.Valid) << test.Address;
}

TEST(FeedbackMessage, ChoiceLineAddsTheTranslationInParentheses)
{
    EXPECT_EQ(ChoiceLine(QStringLiteral("I like it!"), QStringLiteral("I like it!")),
              QStringLiteral("I like it!"));
    EXPECT_EQ(ChoiceLine(QStringLiteral("I like it!"), QStringLiteral("Gefällt mir!")),
              QStringLiteral("I like it! (Gefällt mir!)"));
}

TEST(FeedbackMessage, FieldsInTheServicesOrderWithEmailOnlyWhenGiven)
{
    const TProgramFacts facts{QStringLiteral("Kelmora - Lintaro"), QStringLiteral("Lintaro"),
                              QStringLiteral("1.1"), QStringLiteral("1.1.0"), QString()};
    const QStringList base{QStringLiteral("cmd=feedback"),
                           QStringLiteral("appname=Kelmora - Lintaro"),
                           QStringLiteral("version=1.1"), QStringLiteral("feedback=a=b&c")};
    EXPECT_EQ(FeedbackFields(facts, QStringLiteral("a=b&c"), QString()), base);
    EXPECT_EQ(FeedbackFields(facts, QStringLiteral("a=b&c"), QStringLiteral("x@y.z")),
              base + QStringList{QStringLiteral("email=x@y.z")});
}
