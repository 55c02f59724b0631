// The window's folder export and label sheet and lintaro-batch write the same files for the same
// settings.
#include "gui_test_base.h"

#include "app/color_box.h"
#include "app/preview_image.h"
#include "support/temporary_folder.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include <initializer_list>
#include <vector>

namespace {
// Every PDF carries the time it was made and a document id of its own; the rest must agree.
QByteArray WithoutTimeAndId(QByteArray pdf)
{
    static const QRegularExpression stamp(
        QStringLiteral(R"(/CreationDate \(D:[^)]*\)|/ID \[<[0-9a-fA-F]*><[0-9a-fA-F]*>\])"));
    return QString::fromLatin1(pdf).replace(stamp, QStringLiteral("<stamp>")).toLatin1();
}

const QStringList EntryTexts = {QStringLiteral("LBL/00001-9e37"), QStringLiteral("Grüße 42"),
                                QStringLiteral("https://www.kelmora.example/p/4711")};

// One setting of the window, by the object name of its control (a band's side as
// "fboMargin.edTop") and the value as the user would enter or choose it.
struct TControlValue
{
    const char* Control;
    const char* Value; // text of an edit or of a list's item, "#rrggbb" of a colour, 0/1 of a box
};

struct TSettingsRow
{
    const char* Name;
    TZintSymbology Symbology;
    const char* SymbologyOption;
    // Items of the window's format list; the batch tool's -f is each in lower case.
    std::vector<const char*> Formats;
    std::vector<TControlValue> Window; // none: the defaults
    std::vector<const char*> Batch;
};

const TSettingsRow Rows[] = {
    {"defaults_code128", TZintSymbology::zsCODE128, "zsCODE128", {"PNG", "GIF", "BMP"}, {}, {}},
    {"defaults_qr", TZintSymbology::zsQRCODE, "zsQRCODE", {"PNG", "GIF", "BMP"}, {}, {}},
    {"colours",
     TZintSymbology::zsCODE128,
     "zsCODE128",
     {"PNG", "GIF"},
     {{"ColorBox1", "#1f3a93"}, {"ColorBox2", "#fff5e0"}},
     {"--fg", "#1f3a93", "--bg", "#fff5e0"}},
    {"millimetre_modules_at_600_dpi",
     TZintSymbology::zsQRCODE,
     "zsQRCODE",
     {"PNG", "SVG"},
     {{"comModuleSize", "Millimetres"}, {"edModuleSize", "0.33"}, {"edDpi", "600"}},
     {"--module", "0.33mm", "--dpi", "600"}},
    {"bands",
     TZintSymbology::zsCODE128,
     "zsCODE128",
     {"PNG", "BMP"},
     {{"fboMargin.edTop", "4"},
      {"fboMargin.edLeft", "6"},
      {"fboBorder.edTop", "2"},
      {"fboBorder.cbAllSame", "1"},
      {"fboWhitespace.cbUnits", "Modules"},
      {"fboWhitespace.edTop", "3"},
      {"fboWhitespace.cbAllSame", "1"}},
     {"--margin", "4,6,0,0", "--border", "2", "--whitespace", "3m"}},
    {"caption_size",
     TZintSymbology::zsCODE128,
     "zsCODE128",
     {"PNG", "SVG"},
     {{"comCaptionSize", "Pixels"}, {"edCaptionSize", "14"}},
     {"--caption-size", "14"}},
    {"no_quiet_zones_fixed_size",
     TZintSymbology::zsQRCODE,
     "zsQRCODE",
     {"PNG", "SVG"},
     {{"comQuietZones", "None"},
      {"comImageSize", "Fixed (W x H)"},
      {"edImageWidth", "500"},
      {"edImageHeight", "260"}},
     {"--quiet-zones", "none", "--image-size", "500x260"}},
};

class WindowBatchAgreeTest : public TGuiTestBase, public testing::WithParamInterface<TSettingsRow>
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ShowForm();
        for (const QString& text : EntryTexts)
            AddEntry(text);
        ChooseSymbology(GetParam().Symbology);
        for (const TControlValue& value : GetParam().Window)
            Set(value);
        RunPendingRender();
    }

    void TearDown() override
    {
        EXPECT_TRUE(Preview().ErrorText().isEmpty()) << Preview().ErrorText().toStdString();
        EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
        TGuiTestBase::TearDown();
    }

    QString Work(const QString& name) const { return FWork.FilePath(name); }

    // Runs lintaro-batch over the list's texts with the row's options (or without them) and
    // `options`.
    void RunBatch(const QString& folder, const QStringList& options, bool rowOptions = true) const
    {
        const QString input = FWork.Write(QStringLiteral("texts.txt"),
                                          EntryTexts.join(QLatin1Char('\n')).toUtf8() + '\n');
        QStringList arguments = {QStringLiteral("-s"), QLatin1String(GetParam().SymbologyOption)};
        for (const char* option : GetParam().Batch)
            if (rowOptions)
                arguments << QString::fromUtf8(option);
        QProcess tool;
        tool.start(QStringLiteral(LINTARO_BATCH),
                   arguments + options + QStringList{QStringLiteral("-o"), folder, input});
        ASSERT_TRUE(tool.waitForFinished(60000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }

private:
    void Set(const TControlValue& value)
    {
        const QStringList path = QString::fromUtf8(value.Control).split(QLatin1Char('.'));
        QObject* control = Form->findChild<QObject*>(path[0]);
        if (control && path.size() > 1)
            control = control->findChild<QObject*>(path[1]);
        ASSERT_NE(control, nullptr) << value.Control;
        const QString text = QString::fromUtf8(value.Value);
        if (auto* colour = qobject_cast<TColorBox*>(control))
            colour->SetSelected(QColor(text));
        else if (auto* list = qobject_cast<QComboBox*>(control)) {
            ASSERT_GE(list->findText(text), 0) << value.Control << ": " << value.Value;
            list->setCurrentIndex(list->findText(text));
        } else if (auto* box = qobject_cast<QCheckBox*>(control))
            box->setChecked(text == QLatin1String("1"));
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setText(text);
        else
            FAIL() << value.Control << " is no control the table knows";
    }

    TTemporaryFolder FWork;
};
} // namespace

TEST_P(WindowBatchAgreeTest, FolderExportGivesByteIdenticalFiles)
{
    for (const char* listFormat : GetParam().Formats) {
        SCOPED_TRACE(listFormat);
        const QString format = QLatin1String(listFormat);
        const QString window = Work(QStringLiteral("window-") + format);
        const QString batch = Work(QStringLiteral("batch-") + format);
        ASSERT_TRUE(QDir().mkpath(window));
        Find<QComboBox>("ComboBox1")->setCurrentText(format);
        Dialogs.FolderReplies.push_back(window);
        Find<QPushButton>("Button2")->click();
        const QStringList formatOption = {QStringLiteral("-f"), format.toLower()};
        RunBatch(batch, formatOption);

        const QString extension = QLatin1Char('.') + format.toLower();
        for (int i = 1; i <= EntryTexts.size(); ++i) {
            const QString name = QString::number(i) + extension;
            const QByteArray written = ReadWholeFile(QDir(window).filePath(name));
            EXPECT_FALSE(written.isEmpty()) << name.toStdString();
            EXPECT_EQ(written, ReadWholeFile(QDir(batch).filePath(name))) << name.toStdString();
        }
        if (GetParam().Batch.empty())
            continue;
        // The row's settings show in the files: at the defaults they are not the same.
        const QString defaults = Work(QStringLiteral("defaults-") + format);
        RunBatch(defaults, formatOption, false);
        const QString first = QStringLiteral("1") + extension;
        EXPECT_NE(ReadWholeFile(QDir(window).filePath(first)),
                  ReadWholeFile(QDir(defaults).filePath(first)));
    }
}

TEST_P(WindowBatchAgreeTest, LabelSheetGivesTheSamePages)
{
    const QString window = Work(QStringLiteral("window"));
    const QString batch = Work(QStringLiteral("batch"));
    ASSERT_TRUE(QDir().mkpath(window));
    const QString sheet = QStringLiteral("a4-3x8");
    // Both size each symbol for its label unless a module is asked for: the batch tool's
    // --module, the form's choice to keep the window's module.
    const bool fixedModule = std::find(GetParam().Batch.begin(), GetParam().Batch.end(),
                                       std::string("--module")) != GetParam().Batch.end();
    TDialogService::TLabelSheetChoice choice{sheet, true};
    choice.KeepModule = fixedModule;
    choice.Text.Rows[0].Template = QStringLiteral("{n}: {text}");
    Dialogs.LabelSheetReplies.push_back(choice);
    Dialogs.FolderReplies.push_back(window);
    Find<QAction>("Saveallaslabelsheet1")->trigger();
    RunBatch(batch, {QStringLiteral("--sheet"), sheet, QStringLiteral("--cut-guides"),
                     QStringLiteral("--label-text"), QStringLiteral("{n}: {text}")});

    const QString name = QStringLiteral("sheet.pdf");
    const QByteArray written = ReadWholeFile(QDir(window).filePath(name));
    ASSERT_TRUE(written.startsWith("%PDF-"));
    EXPECT_EQ(WithoutTimeAndId(written),
              WithoutTimeAndId(ReadWholeFile(QDir(batch).filePath(name))));
}

INSTANTIATE_TEST_SUITE_P(SettingsRows, WindowBatchAgreeTest, testing::ValuesIn(Rows),
                         [](const testing::TestParamInfo<TSettingsRow>& row) {
                             return std::string(row.param.Name);
                         });
