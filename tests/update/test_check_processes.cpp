#include "update_check_fixture.h"

#include <QProcess>

#include <memory>
#include <vector>

namespace {
class CheckProcessesTest : public TUpdateCheckFixture
{};
} // namespace

// Programs started at the same moment share the day's count: the service hears from five of
// them, and three of those announce.
TEST_F(CheckProcessesTest, StartsAtTheSameMomentMakeAtMostFiveContactsADay)
{
    constexpr int Waves = 3;
    constexpr int Together = 8;
    TLoopbackServer server(TCannedReply::Answer("<version>9.9</version>"));
    int announced = 0;
    for (int wave = 0; wave < Waves; ++wave) {
        std::vector<std::unique_ptr<QProcess>> starts;
        for (int i = 0; i < Together; ++i) {
            starts.push_back(std::make_unique<QProcess>());
            starts.back()->start(QStringLiteral(LINTARO_CHECK_ONCE),
                                 {HomeFolder(), server.ServiceHost(), Today});
        }
        for (const std::unique_ptr<QProcess>& start : starts) {
            ASSERT_TRUE(start->waitForFinished(60000)) << start->errorString().toStdString();
            ASSERT_EQ(start->exitStatus(), QProcess::NormalExit);
            const int code = start->exitCode();
            ASSERT_TRUE(code == 0 || code == 10) << start->readAllStandardError().toStdString();
            announced += code == 10 ? 1 : 0;
        }
    }
    EXPECT_EQ(server.Requests().size(), 5u);
    EXPECT_EQ(announced, 3);
    EXPECT_EQ(Stored(QStringLiteral("LastUpdateCheckCount")), QStringLiteral("5"));
    EXPECT_EQ(Stored(QStringLiteral("HowMany")), QString::number(Waves * Together));
}
