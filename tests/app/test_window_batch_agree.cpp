// The window's folder export and lintaro-batch write the same files for the same settings.
#include "gui_test_base.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class WindowBatchAgreeTest : public TGuiTestBase
{};

TEST_F(WindowBatchAgreeTest, DefaultSettingsGiveByteIdenticalFiles)
{
    ShowForm();
    const QStringList texts = {QStringLiteral("LBL/00001-9e37"), QStringLiteral("Grüße 42"),
                               QStringLiteral("https://www.kelmora.example/p/4711")};
    for (const QString& text : texts)
        AddEntry(text);
    // Code 39, selected at start, cannot take all of them.
    Dialogs.ErrorBoxes.clear();
    const struct
    {
        TZintSymbology Symbology;
        const char* Name;
    } symbologies[] = {{TZintSymbology::zsCODE128, "zsCODE128"},
                       {TZintSymbology::zsQRCODE, "zsQRCODE"}};
    const char* const formats[][2] = {{"PNG", "png"}, {"GIF", "gif"}, {"BMP", "bmp"}};
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString input = work.filePath(QStringLiteral("texts.txt"));
    {
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(texts.join(QLatin1Char('\n')).toUtf8() + '\n');
    }
    for (const auto& symbology : symbologies) {
        ChooseSymbology(symbology.Symbology);
        for (const auto& [listText, option] : formats) {
            SCOPED_TRACE(std::string(symbology.Name) + " " + option);
            const QString window =
                work.filePath(QStringLiteral("window-%1-%2")
                                  .arg(QLatin1String(symbology.Name), QLatin1String(option)));
            const QString batch = window + QStringLiteral("-batch");
            ASSERT_TRUE(QDir().mkpath(window));
            Find<QComboBox>("ComboBox1")->setCurrentText(QLatin1String(listText));
            Dialogs.FolderReplies.push_back(window);
            Find<QPushButton>("Button2")->click();

            QProcess tool;
            tool.start(QStringLiteral(LINTARO_BATCH),
                       {QStringLiteral("-s"), QLatin1String(symbology.Name), QStringLiteral("-f"),
                        QLatin1String(option), QStringLiteral("-o"), batch, input});
            ASSERT_TRUE(tool.waitForFinished(60000));
            ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
            const QString extension = QLatin1Char('.') + QLatin1String(option);
            for (int i = 1; i <= texts.size(); ++i) {
                const QString name = QString::number(i) + extension;
                EXPECT_EQ(Contents(QDir(window).filePath(name)),
                          Contents(QDir(batch).filePath(name)))
                    << name.toStdString();
            }
        }
    }
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}
