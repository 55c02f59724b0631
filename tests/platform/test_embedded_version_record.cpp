#include "platform/exe_version.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// This test's own file, and the program when the build has one.
std::vector<QString> carriers()
{
    std::vector<QString> paths{QStringLiteral(LINTARO_SELF)};
#ifdef LINTARO_EXECUTABLE
    paths.push_back(QStringLiteral(LINTARO_EXECUTABLE));
#endif
    return paths;
}

void expectProgramRecord(const QString& path, const QString& fileName)
{
    const TEXEVersionData data = GetEXEVersionData(path);
    EXPECT_EQ(data.CompanyName, QStringLiteral("Kelmora"));
    EXPECT_EQ(data.ProductName, QStringLiteral("Lintaro"));
    EXPECT_TRUE(data.FileVersion.startsWith(QStringLiteral(LINTARO_VERSION ".")))
        << data.FileVersion.toStdString();
    EXPECT_EQ(data.ProductVersion, QStringLiteral(LINTARO_VERSION));
    EXPECT_EQ(data.OriginalFileName, fileName);
    EXPECT_EQ(data.InternalName, fileName);
    EXPECT_TRUE(data.LegalCopyright.endsWith(QStringLiteral(" Kelmora")));
    EXPECT_FALSE(data.FileDescription.isEmpty());
    EXPECT_TRUE(data.LegalTrademarks.isEmpty());
}

TEST(EmbeddedVersionRecord, BuiltExecutablesCarryTheProgramIdentity)
{
    for (const QString& path : carriers()) {
        SCOPED_TRACE(path.toStdString());
        expectProgramRecord(path, QFileInfo(path).fileName());
    }
}

// Installed programs are usually stripped; the record must be an allocated section that
// survives it, not debugging information.
TEST(EmbeddedVersionRecord, RecordSurvivesStripping)
{
    const QTemporaryDir folder;
    for (const QString& path : carriers()) {
        SCOPED_TRACE(path.toStdString());
        const QString stripped = folder.filePath(QFileInfo(path).fileName());
        ASSERT_EQ(
            QProcess::execute(QStringLiteral("strip"), {QStringLiteral("--strip-all"),
                                                        QStringLiteral("-o"), stripped, path}),
            0);
        expectProgramRecord(stripped, QFileInfo(path).fileName());
    }
}

} // namespace
