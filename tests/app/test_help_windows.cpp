#include "gui_test_base.h"

#include "dialogs/about_box.h"
#include "dialogs/feedback_form.h"
#include "support/temporary_folder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

namespace {} // namespace

using HelpWindowsTest = TGuiTestBase;

TEST_F(HelpWindowsTest, EachOpensModallyAndFreesItselfWhenClosed)
{
    struct TCase
    {
        const char* Action;
        const char* Class;
        QString Caption;
    };
    ShowForm();
    const TCase cases[] = {
        {"SendFeedback1", "TFeedbackForm", QStringLiteral("Lintaro feedback")},
        {"About1", "TAboutBox", QStringLiteral("About Lintaro")},
    };
    for (const TCase& test : cases) {
        QString shownClass;
        QString caption;
        QTimer::singleShot(0, [&] {
            QWidget* window = QApplication::activeModalWidget();
            ASSERT_NE(window, nullptr);
            shownClass = QLatin1String(window->metaObject()->className());
            caption = window->windowTitle();
            window->close();
        });
        Find<QAction>(test.Action)->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(shownClass, QLatin1String(test.Class));
        EXPECT_EQ(caption, test.Caption);
        EXPECT_TRUE(Form->findChildren<TFeedbackForm*>().isEmpty());
        EXPECT_TRUE(Form->findChildren<TAboutBox*>().isEmpty());
    }
}

TEST(ProgramFiles, LicenceLiesBesideTheProgramBuiltAndInstalled)
{
    const QByteArray licence = ReadWholeFile(QStringLiteral(LINTARO_SOURCE_DIR "/LICENSE"));
    EXPECT_TRUE(licence.startsWith("MIT License"));
    EXPECT_TRUE(licence.contains("Copyright (c) 2026 Kelmora"));
    const QDir built = QFileInfo(QStringLiteral(LINTARO_EXECUTABLE)).dir();
    EXPECT_EQ(ReadWholeFile(built.filePath(QStringLiteral("license.txt"))), licence);

    QTemporaryDir prefix;
    QProcess install;
    install.start(QStringLiteral(LINTARO_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(LINTARO_BUILD_DIR),
                   QStringLiteral("--prefix"), prefix.path()});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    const QDir installed(prefix.filePath(QStringLiteral("lib/lintaro")));
    EXPECT_EQ(ReadWholeFile(installed.filePath(QStringLiteral("license.txt"))), licence);
    EXPECT_TRUE(QFileInfo(installed.filePath(QStringLiteral("THIRD-PARTY-NOTICES"))).isFile());
    const QFileInfo link(prefix.filePath(QStringLiteral("bin/lintaro")));
    EXPECT_TRUE(link.isSymLink());
    EXPECT_EQ(link.canonicalFilePath(),
              QFileInfo(installed.filePath(QStringLiteral("lintaro"))).canonicalFilePath());
}
