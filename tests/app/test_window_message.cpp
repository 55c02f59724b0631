#include "app/folder_export_report.h"
#include "app/window_message.h"

#include <gtest/gtest.h>

TEST(WindowMessageTest, FailuresReadAsSentencesWithWhatToDo)
{
    const struct
    {
        const char* Message;
        const char* Sentence;
        bool Hinted;
    } cases[] = {
        {"error: invalid character in data", "Invalid character in data", true},
        {"error: No input data", "No input data", true},
        {"The desired width is too small.", "The desired width is too small.", true},
        {"The desired height is too small.", "The desired height is too small.", true},
        {"drawn at 80% to fit the label", "Drawn at 80% to fit the label", false},
        {"Cannot create file \"a.png\". Permission denied",
         "Cannot create file \"a.png\". Permission denied", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        const QString message = QString::fromUtf8(c.Message);
        EXPECT_EQ(MessageSentence(message), QString::fromUtf8(c.Sentence)) << c.Message;
        const QString hinted = MessageWithHint(message);
        EXPECT_TRUE(hinted.startsWith(QString::fromUtf8(c.Sentence))) << c.Message;
        // The hint is a sentence of its own on a line of its own.
        EXPECT_EQ(hinted.contains(u'\n'), c.Hinted) << c.Message;
        if (c.Hinted) {
            EXPECT_TRUE(hinted.section(u'\n', 1).front().isUpper()) << c.Message;
        }
    }
}

TEST(WindowMessageTest, ExportSummaryIsTitledByHowTheExportEnded)
{
    const TReportedEntry failed{2, QStringLiteral("B!"), QStringLiteral("error: x")};
    const struct
    {
        bool Stopped;
        std::size_t Failures;
        const char* Title;
    } cases[] = {
        {false, 0, "Export finished"},
        {false, 1, "Export finished with 1 error"},
        {false, 3, "Export finished with 3 errors"},
        {true, 0, "Export stopped"},
        {true, 1, "Export stopped with 1 error"},
        {true, 2, "Export stopped with 2 errors"},
    };
    for (const auto& c : cases) {
        TFolderExportReport report{QStringLiteral("/out"), 1, 5, c.Stopped, {}, {}, false, {}};
        report.Failures.assign(c.Failures, failed);
        EXPECT_EQ(FolderExportSummaryTitle(report), QLatin1String(c.Title)) << c.Title;
    }
}
