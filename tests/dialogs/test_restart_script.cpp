#include "dialogs/restart_script.h"

#include "base/zint_exception.h"
#include "restart_stand_in.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(RestartScript, BatchLinesBecomeCommentsAndEchoThenSleepAndTheQuotedProgram)
{
    EXPECT_EQ(RestartScriptText(QStringLiteral("/opt/my apps/it's/lintaro")),
              QByteArray("#!/bin/sh\n"
                         "# @ECHO OFF\n"
                         "echo 'This file was created automatically to restart the program.'\n"
                         "echo 'It is safe to delete this file.'\n"
                         "sleep 1\n"
                         "exec '/opt/my apps/it'\\''s/lintaro'\n"));
}

TEST(RestartScript, LivesInTheDataFolder)
{
    EXPECT_EQ(RestartScriptPath(QStringLiteral("/home/u/.local/share/Kelmora/Lintaro/")),
              QStringLiteral("/home/u/.local/share/Kelmora/Lintaro/start.sh"));
    EXPECT_EQ(RestartScriptPath(QStringLiteral("/opt/lintaro")),
              QStringLiteral("/opt/lintaro/start.sh"));
}

TEST(RestartScript, RunWithShStartsTheProgramWhateverItsPath)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString marker = root.filePath(QStringLiteral("ran.txt"));
    const QString program = MakeStandInProgram(
        root.path() + QStringLiteral("/it's a \"$HOME\" `id` dir/stand in\\prog's $1"), marker);
    ASSERT_FALSE(program.isEmpty());
    const QString data = root.filePath(QStringLiteral("data folder"));
    ASSERT_TRUE(QDir().mkpath(data));
    const QString script = RestartScriptPath(data);
    WriteRestartScript(script, QStringLiteral("old"));
    WriteRestartScript(script, program); // replaces the earlier one

    QProcess shell;
    shell.setWorkingDirectory(data);
    shell.start(QStringLiteral("/bin/sh"), {script});
    ASSERT_TRUE(shell.waitForFinished(15000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
    EXPECT_EQ(shell.readAllStandardOutput(),
              QByteArray("This file was created automatically to restart the program.\n"
                         "It is safe to delete this file.\n"));
    QFile ran(marker);
    ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(ran.readAll()),
              QStringLiteral("ran ") + program + QStringLiteral(" in ") + data + u'\n');
}

TEST(RestartScript, UnwritableFolderRaises)
{
    EXPECT_THROW(WriteRestartScript(QStringLiteral("/nonexistent-folder/start.sh"),
                                    QStringLiteral("/bin/true")),
                 EZintException);
}
