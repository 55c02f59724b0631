// Lengths in millimetres or inches are drawn in whole dots of --dpi: one the dots miss by more
// than 5 % is reported with the size drawn, and a module width under one dot is refused.
#include "cli/batch_options.h"

#include <gtest/gtest.h>

namespace {
struct TLengthCase
{
    QStringList Options;
    QString Warning; // empty: none
    QString Error;   // empty: the options are taken
};
} // namespace

TEST(BatchLengthReport, NamesTheLengthAskedForAndTheOneDrawn)
{
    const auto options = [](const char* module, const char* dpi, const char* barHeight = nullptr) {
        QStringList list = {QStringLiteral("--module"), QString::fromLatin1(module),
                            QStringLiteral("--dpi"), QString::fromLatin1(dpi)};
        if (barHeight)
            list << QStringLiteral("--bar-height") << QString::fromLatin1(barHeight);
        return list;
    };
    const TLengthCase cases[] = {
        {options("0.19mm", "600"),
         QStringLiteral("--module 0.19mm is drawn as 4 dots at 600 dpi: 0.169 mm, 11 % under."),
         {}},
        {options("0.0075in", "300"),
         QStringLiteral("--module 0.0075in is drawn as 2 dots at 300 dpi: 0.0067 in, 11 % under."),
         {}},
        // Within 5 %: 3.9 dots drawn as 4.
        {options("0.33mm", "300"), {}, {}},
        {options("0.013in", "300"), {}, {}},
        // Whole pixels are what they say.
        {options("3", "72"), {}, {}},
        // 3 mm over 10-dot modules: 3.5 modules drawn as 4.
        {options("10", "300", "3mm"),
         QStringLiteral("--bar-height 3mm is drawn as 40 dots at 300 dpi: 3.387 mm, 13 % over."),
         {}},
        {options("0.05mm", "300"),
         {},
         QStringLiteral("--module 0.05mm is 0.59 dots at 300 dpi: a module cannot be narrower "
                        "than one dot; give a wider module or a higher --dpi.")},
        // Just under one dot, but within 5 % of it: drawn as one.
        {options("0.0835mm", "300"), {}, {}},
    };
    for (const TLengthCase& c : cases) {
        SCOPED_TRACE(c.Options.join(u' ').toStdString());
        const TBatchParseResult result =
            ParseBatchOptions(QStringList{QStringLiteral("lintaro-batch"), QStringLiteral("-o"),
                                          QStringLiteral("out"), QStringLiteral("in.txt")} +
                              c.Options);
        if (!c.Error.isEmpty()) {
            EXPECT_EQ(result.Command, TBatchCommand::bcUsageError);
            EXPECT_EQ(result.Text, c.Error);
            continue;
        }
        EXPECT_EQ(result.Command, TBatchCommand::bcRun) << result.Text.toStdString();
        EXPECT_EQ(result.Warnings, c.Warning.isEmpty() ? QStringList() : QStringList{c.Warning});
    }
}
