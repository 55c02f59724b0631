#include "gui_test_base.h"

#include "app/folder_export_report.h"
#include "app/item_list_view.h"
#include "app/preview_image.h"
#include "app/window_message.h"
#include "render/render_settings.h"
#include "support/barcode_decoder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTimer>

#include <functional>

namespace {
struct TFormatCase
{
    const char* ListText;
    const char* Extension;
    QByteArray Magic;
};

const TFormatCase Formats[] = {{"PNG", ".png", QByteArray("\x89PNG")},
                               {"JPEG", ".jpg", QByteArray("\xFF\xD8\xFF")},
                               {"GIF", ".gif", QByteArray("GIF8")},
                               {"BMP", ".bmp", QByteArray("BM")}};

QByteArray FileStart(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4) : QByteArray();
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QStringList Names(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names)
        list << QLatin1String(name);
    return list;
}

// Runs an action once, from the event processing between two entries of a folder export,
// as soon as the condition holds: what another program might do meanwhile.
class TBetweenEntries final
{
public:
    TBetweenEntries(std::function<bool()> condition, std::function<void()> action)
    {
        QObject::connect(&FTimer, &QTimer::timeout, [this, condition, action] {
            if (condition()) {
                FTimer.stop();
                action();
            }
        });
        FTimer.start(0);
    }

private:
    QTimer FTimer;
};
} // namespace

class ImageExportTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ASSERT_TRUE(FFolder.isValid());
        ShowForm();
    }

    QString Folder() const { return FFolder.path(); }
    QString InFolder(const QString& name) const { return FFolder.filePath(name); }

    void ChooseFormat(const char* listText)
    {
        auto* formats = Find<QComboBox>("ComboBox1");
        formats->setCurrentIndex(formats->findText(QLatin1String(listText)));
    }

    // Modules of three pixels in an enlarged picture: the decoder needs two at least.
    void UseScannableModules()
    {
        Find<QLineEdit>("edMiMW")->setText(QStringLiteral("3"));
        Find<QComboBox>("cbRAM")->setCurrentIndex(1);
    }

    void ExportAll(const QString& folder)
    {
        Dialogs.FolderReplies.push_back(folder);
        Find<QPushButton>("Button2")->click();
    }

    void SaveSingle(const QString& path)
    {
        Dialogs.SaveImageReplies.push_back(path);
        Find<QPushButton>("Button1")->click();
    }

private:
    QTemporaryDir FFolder;
};

TEST_F(ImageExportTest, FolderExportNumbersTheEntriesAndNeverReplaces)
{
    ChooseSymbology(TZintSymbology::zsCODE128);
    UseScannableModules();
    const QStringList texts = Names({"ONE", "TWO", "THREE"});
    for (const QString& text : texts)
        AddEntry(text);
    for (int run = 0; run < 3; ++run)
        ExportAll(Folder());
    EXPECT_EQ(FilesIn(Folder()), Names({"1 (2).png", "1 (3).png", "1.png", "2 (2).png", "2 (3).png",
                                        "2.png", "3 (2).png", "3 (3).png", "3.png"}));
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(DecodeFile(InFolder(QString::number(i + 1) + QStringLiteral(".png")),
                             ZXing::BarcodeFormat::Code128)
                      .Text,
                  texts[i]);
    EXPECT_EQ(List().SelectedRow(), 2);
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("THREE"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_EQ(Dialogs.FolderRequests.size(), 3u);
    EXPECT_EQ(Dialogs.FolderRequests[0].Title, QStringLiteral("Select folder:"));
    EXPECT_TRUE(Dialogs.FolderRequests[0].StartFolder.isEmpty());
    EXPECT_EQ(Dialogs.FolderRequests[2].StartFolder, Folder());
}

TEST_F(ImageExportTest, FileNameTemplateNamesTheFilesSafelyAndInEntryOrder)
{
    ChooseSymbology(TZintSymbology::zsCODE128);
    UseScannableModules();
    for (const char* text : {"a/b", "a:b", "..", "CON"})
        AddEntry(QLatin1String(text));
    Find<QLineEdit>("edFileNames")->setText(QStringLiteral("{text}"));
    ExportAll(Folder());
    EXPECT_EQ(FilesIn(Folder()), Names({"3.png", "_CON.png", "a_b (2).png", "a_b.png"}));
    const std::pair<const char*, const char*> contents[] = {
        {"a_b.png", "a/b"}, {"a_b (2).png", "a:b"}, {"3.png", ".."}, {"_CON.png", "CON"}};
    for (const auto& [name, text] : contents)
        EXPECT_EQ(DecodeFile(InFolder(QLatin1String(name)), ZXing::BarcodeFormat::Code128).Text,
                  QLatin1String(text))
            << name;
}

TEST_F(ImageExportTest, MalformedFileNameTemplateIsShownBeforeAFolderIsChosen)
{
    AddEntry(QStringLiteral("A"));
    Dialogs.ErrorBoxes.clear();
    Find<QLineEdit>("edFileNames")->setText(QStringLiteral("{name}"));
    ExportAll(Folder());
    ASSERT_EQ(Dialogs.ErrorBoxes.size(), 1u);
    EXPECT_TRUE(Dialogs.ErrorBoxes[0].Text.contains(QStringLiteral("unknown field {name}")))
        << Dialogs.ErrorBoxes[0].Text.toStdString();
    EXPECT_TRUE(Dialogs.FolderRequests.empty());
    EXPECT_TRUE(FilesIn(Folder()).isEmpty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ImageExportTest, EveryFormatDecodesBackForSeveralSymbologies)
{
    const struct
    {
        TZintSymbology Symbology;
        ZXing::BarcodeFormat Format;
        const char* Text;
    } symbols[] = {{TZintSymbology::zsCODE128, ZXing::BarcodeFormat::Code128, "Code 128"},
                   {TZintSymbology::zsQRCODE, ZXing::BarcodeFormat::QRCode, "https://x.example"},
                   {TZintSymbology::zsDATAMATRIX, ZXing::BarcodeFormat::DataMatrix, "DM 42"}};
    UseScannableModules();
    for (const auto& symbol : symbols) {
        ChooseSymbology(symbol.Symbology);
        Find<QAction>("DeleteAll1")->trigger();
        AddEntry(QLatin1String(symbol.Text));
        for (const TFormatCase& format : Formats) {
            ChooseFormat(format.ListText);
            const QString folder =
                InFolder(QLatin1String(symbol.Text).toString() + QLatin1String(format.ListText));
            ASSERT_TRUE(QDir().mkpath(folder));
            ExportAll(folder);
            const QString file = folder + QStringLiteral("/1") + QLatin1String(format.Extension);
            EXPECT_EQ(FilesIn(folder), QStringList{QFileInfo(file).fileName()});
            EXPECT_TRUE(FileStart(file).startsWith(format.Magic)) << file.toStdString();
            const QImage image(file);
            EXPECT_EQ(image.size(), Preview().Picture().Size()) << file.toStdString();
            EXPECT_EQ(DecodeImage(image, symbol.Format).Text, QLatin1String(symbol.Text))
                << file.toStdString();
        }
    }
}

// SVG and PDF take the preview's drawing itself, from the save dialog and the folder export.
TEST_F(ImageExportTest, VectorFormatsWriteThePreviewDrawing)
{
    ChooseSymbology(TZintSymbology::zsQRCODE);
    UseScannableModules();
    AddEntry(QStringLiteral("Vector 1"));
    const struct
    {
        const char* ListText;
        int FilterIndex;
        QByteArray Magic;
    } formats[] = {{"SVG", 5, "<?xm"}, {"PDF", 6, "%PDF"}};
    for (const auto& format : formats) {
        SCOPED_TRACE(format.ListText);
        ChooseFormat(format.ListText);
        const QString extension = QLatin1String(format.ListText).toString().toLower();
        const QString single = InFolder(QStringLiteral("code.") + extension);
        SaveSingle(single);
        EXPECT_EQ(Dialogs.SaveImageRequests.back().FilterIndex, format.FilterIndex);
        EXPECT_EQ(Dialogs.SaveImageRequests.back().DefaultExt, extension);
        const QString folder = InFolder(extension);
        ASSERT_TRUE(QDir().mkpath(folder));
        ExportAll(folder);
        EXPECT_EQ(FilesIn(folder), QStringList{QStringLiteral("1.") + extension});
        for (const QString& file : {single, folder + QStringLiteral("/1.") + extension})
            EXPECT_TRUE(FileStart(file).startsWith(format.Magic)) << file.toStdString();
    }
    QSvgRenderer svg(InFolder(QStringLiteral("code.svg")));
    EXPECT_EQ(svg.viewBox().size(), Preview().Picture().Size());
    QImage drawn(svg.viewBox().size(), QImage::Format_RGB32);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    EXPECT_EQ(drawn, Preview().Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}

// Every entry of the list takes a label of one sheet; a failing one is named in the summary, and
// a sheet that does not fit its page is refused before anything is written.
TEST_F(ImageExportTest, LabelSheetHoldsEveryEntryAndNamesTheFailures)
{
    ChooseSymbology(TZintSymbology::zsEANX);
    for (const char* text : {"590123412345", "NOT DIGITS", "978020137962"})
        AddEntry(QLatin1String(text));
    QAction* saveSheet = Find<QAction>("Saveallaslabelsheet1");
    const std::size_t errorBoxes = Dialogs.ErrorBoxes.size();
    Dialogs.LabelSheetReplies.push_back({QStringLiteral("a4,3x9,70x37,0,0"), false});
    saveSheet->trigger();
    ASSERT_EQ(Dialogs.ErrorBoxes.size(), errorBoxes + 1);
    EXPECT_TRUE(Dialogs.ErrorBoxes.back().Text.contains(QStringLiteral("need 333.00 mm down")));
    EXPECT_TRUE(Dialogs.FolderRequests.empty());

    for (int run = 0; run < 2; ++run) {
        Dialogs.LabelSheetReplies.push_back({QStringLiteral("a4-3x8"), true});
        Dialogs.FolderReplies.push_back(Folder());
        saveSheet->trigger();
    }
    EXPECT_EQ(FilesIn(Folder()), Names({"sheet (2).pdf", "sheet.pdf"}));
    EXPECT_TRUE(FileStart(InFolder(QStringLiteral("sheet.pdf"))).startsWith("%PDF"));
    ASSERT_EQ(Dialogs.Summaries.size(), 2u);
    EXPECT_EQ(Dialogs.Summaries[0].Written, 2);
    ASSERT_EQ(Dialogs.Summaries[0].Failures.size(), 1u);
    EXPECT_EQ(Dialogs.Summaries[0].Failures[0].Number, 2);
}

// A symbol that keeps the window's module and is larger than its label is drawn smaller to fit
// it; the summary names it and by how much, as lintaro-batch does.
TEST_F(ImageExportTest, LabelSheetSummaryNamesTheLabelsDrawnSmaller)
{
    ChooseSymbology(TZintSymbology::zsQRCODE);
    Find<QComboBox>("comModuleSize")->setCurrentIndex(int(TModuleSizeMode::msmMillimetres));
    Find<QLineEdit>("edModuleSize")->setText(QStringLiteral("1"));
    // Version 1 with its quiet zones is 29 mm wide and fits a 30 mm label; the longer text
    // needs a larger version.
    const QString large(120, QLatin1Char('L'));
    for (const QString& text : {QStringLiteral("A"), large, QStringLiteral("B")})
        AddEntry(text);
    // The symbols keep the window's 1 mm modules instead of taking what their labels hold.
    TDialogService::TLabelSheetChoice choice{QStringLiteral("a4,2x2,30x30,10,5"), false};
    choice.KeepModule = true;
    Dialogs.LabelSheetReplies.push_back(choice);
    Dialogs.FolderReplies.push_back(Folder());
    Find<QAction>("Saveallaslabelsheet1")->trigger();

    EXPECT_EQ(FilesIn(Folder()), Names({"sheet.pdf"}));
    ASSERT_EQ(Dialogs.Summaries.size(), 1u);
    const TFolderExportReport& report = Dialogs.Summaries[0];
    EXPECT_EQ(report.Written, 3);
    EXPECT_TRUE(report.Failures.empty());
    ASSERT_EQ(report.ScaledDown.size(), 1u);
    EXPECT_EQ(report.ScaledDown[0].Number, 2);
    EXPECT_EQ(report.ScaledDown[0].Text, large);
    static const QRegularExpression note(QStringLiteral("^drawn at [1-9][0-9]% to fit the label$"));
    EXPECT_TRUE(note.match(report.ScaledDown[0].Message).hasMatch())
        << report.ScaledDown[0].Message.toStdString();
    EXPECT_TRUE(
        FolderExportSummaryText(report).endsWith(QStringLiteral("\n1 label drawn smaller to fit:")))
        << FolderExportSummaryText(report).toStdString();
    EXPECT_EQ(
        ReportedEntryLine(report.ScaledDown[0]),
        QStringLiteral("2\t%1\t%2").arg(large, MessageSentence(report.ScaledDown[0].Message)));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}

TEST_F(ImageExportTest, ImageSizeIsTheSymbolThePreviewAreaOrTheEnlargedPicture)
{
    AddEntry(QStringLiteral("A"));
    ExportAll(Folder());
    const QImage symbol(InFolder(QStringLiteral("1.png")));
    EXPECT_EQ(symbol.size(), Preview().Image().size());
    EXPECT_LT(symbol.width(), 354);
    EXPECT_EQ(symbol.dotsPerMeterX(), 11811) << "300 dpi";

    UsePreviewAreaLayout();
    ExportAll(Folder());
    EXPECT_EQ(QImage(InFolder(QStringLiteral("1 (2).png"))).size(), QSize(354, 417));

    // Without the settings panel beside it the preview area is wider, and so is the image.
    Find<QAction>("Settings1")->trigger();
    QCoreApplication::processEvents();
    ExportAll(Folder());
    const QSize wider = QImage(InFolder(QStringLiteral("1 (3).png"))).size();
    EXPECT_GT(wider.width(), 354);
    EXPECT_EQ(wider, Preview().size());

    Find<QComboBox>("cbRAM")->setCurrentIndex(1);
    Find<QLineEdit>("edMiMW")->setText(QStringLiteral("10"));
    ExportAll(Folder());
    const QSize inflated = QImage(InFolder(QStringLiteral("1 (4).png"))).size();
    EXPECT_GT(inflated.width(), 354);
    EXPECT_EQ(inflated, Preview().Picture().Size());
}

TEST_F(ImageExportTest, SingleSaveSuggestsTheListFormatButWritesTheNamedOne)
{
    const struct
    {
        const char* ListText;
        const char* Name;
        int FilterIndex;
        const char* DefaultExt;
        QByteArray Magic;
    } cases[] = {{"GIF", "code.gif", 3, "gif", QByteArray("GIF8")},
                 {"GIF", "code.jpeg", 3, "gif", QByteArray("\xFF\xD8\xFF")},
                 {"JPEG", "label.png", 2, "jpg", QByteArray("\x89PNG")},
                 {"PNG", "CODE.PNG", 1, "png", QByteArray("\x89PNG")},
                 {"BMP", "label.tif", 4, "bmp", QByteArray("BM")},
                 {"PNG", "noext", 1, "png", QByteArray("BM")}};
    // Proposed: the previewed text as the name, in the folder saved to last.
    QString lastFolder;
    for (const auto& entry : cases) {
        ChooseFormat(entry.ListText);
        const QString path = InFolder(QLatin1String(entry.Name));
        const QString proposed = QStringLiteral("1234567890.") + QLatin1String(entry.DefaultExt);
        const int beeps = Dialogs.Beeps;
        SaveSingle(path);
        ASSERT_FALSE(Dialogs.SaveImageRequests.empty());
        const auto& request = Dialogs.SaveImageRequests.back();
        EXPECT_EQ(request.FilterIndex, entry.FilterIndex) << entry.Name;
        EXPECT_EQ(request.DefaultExt, QLatin1String(entry.DefaultExt)) << entry.Name;
        EXPECT_EQ(request.LastPath,
                  lastFolder.isEmpty() ? proposed : QDir(lastFolder).filePath(proposed))
            << entry.Name;
        EXPECT_TRUE(FileStart(path).startsWith(entry.Magic)) << entry.Name;
        EXPECT_EQ(QImage(path).size(), Preview().Image().size()) << entry.Name;
        EXPECT_EQ(Dialogs.Beeps, beeps + 1) << entry.Name;
        lastFolder = Folder();
    }
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
}

TEST_F(ImageExportTest, SingleSaveProposesTheEntryAsASafeFileName)
{
    const struct
    {
        const char* Text;
        const char* Proposed; // empty: only the folder
    } cases[] = {{"AB/CD 1", "AB_CD 1.png"}, {"...", ""}, {"CON", "_CON.png"}};
    SaveSingle(InFolder(QStringLiteral("first.png")));
    for (const auto& entry : cases) {
        AddEntry(QString::fromUtf8(entry.Text));
        Find<QPushButton>("Button1")->click(); // cancelled
        const QString expected =
            *entry.Proposed ? InFolder(QLatin1String(entry.Proposed)) : QDir(Folder()).path();
        EXPECT_EQ(Dialogs.SaveImageRequests.back().LastPath, expected) << entry.Text;
    }
}

TEST_F(ImageExportTest, SingleSaveReplacesTheChosenFileAndCancelWritesNothing)
{
    const QString path = InFolder(QStringLiteral("label.png"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    SaveSingle(path);
    EXPECT_TRUE(FileStart(path).startsWith("\x89PNG"));

    Find<QPushButton>("Button1")->click(); // no reply queued: cancelled
    EXPECT_EQ(FilesIn(Folder()), QStringList{QStringLiteral("label.png")});
    EXPECT_EQ(Dialogs.Beeps, 1);
}

TEST_F(ImageExportTest, EmptyPreviewIsNeverSaved)
{
    Form->UpdateBarcodeYeni(QString());
    ASSERT_TRUE(Preview().IsEmpty());
    Dialogs.ErrorBoxes.clear();
    Dialogs.SaveImageReplies.push_back(InFolder(QStringLiteral("empty.png")));
    Find<QAction>("Savesingleimage1")->trigger();
    ASSERT_EQ(Dialogs.ErrorBoxes.size(), 1u);
    EXPECT_EQ(Dialogs.ErrorBoxes[0].Caption, QStringLiteral("Cannot save the image"));
    EXPECT_TRUE(
        Dialogs.ErrorBoxes[0].Text.startsWith(QStringLiteral("There is no barcode to save. ")))
        << Dialogs.ErrorBoxes[0].Text.toStdString();
    EXPECT_TRUE(FilesIn(Folder()).isEmpty());
    EXPECT_EQ(Dialogs.Beeps, 0);
}

TEST_F(ImageExportTest, FailingEntryIsSkippedAndItsNumberStaysUnused)
{
    for (const char* text : {"A", "B!", "C"})
        AddEntry(QLatin1String(text));
    ExportAll(Folder());
    EXPECT_EQ(FilesIn(Folder()), Names({"1.png", "3.png"}));
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty()) << "the summary reports it";
    ASSERT_EQ(Dialogs.Summaries.size(), 1u);
    ASSERT_EQ(Dialogs.Summaries[0].Failures.size(), 1u);
    EXPECT_TRUE(Dialogs.Summaries[0].Failures[0].Message.startsWith(QStringLiteral("error: ")));
    EXPECT_EQ(List().SelectedRow(), 2);
}

TEST_F(ImageExportTest, FailingEntriesRunToTheSummaryWithNoOtherDialog)
{
    for (const char* text : {"A", "B!", "C", "D!", "E!"})
        AddEntry(QLatin1String(text));
    Dialogs.Asked.clear();
    ExportAll(Folder());
    EXPECT_EQ(FilesIn(Folder()), Names({"1.png", "3.png"}));
    EXPECT_EQ(Dialogs.Asked, Texts({"PickFolder", "FolderExportSummary"}));
    ASSERT_EQ(Dialogs.Summaries.size(), 1u);
    const TFolderExportReport& report = Dialogs.Summaries[0];
    EXPECT_EQ(report.Folder, Folder());
    EXPECT_EQ(report.Written, 2);
    EXPECT_FALSE(report.Stopped);
    ASSERT_EQ(report.Failures.size(), 3u);
    const struct
    {
        int Number;
        const char* Text;
    } failed[] = {{2, "B!"}, {4, "D!"}, {5, "E!"}};
    for (std::size_t i = 0; i < report.Failures.size(); ++i) {
        EXPECT_EQ(report.Failures[i].Number, failed[i].Number);
        EXPECT_EQ(report.Failures[i].Text, QLatin1String(failed[i].Text));
        EXPECT_EQ(report.Failures[i].Message, report.Failures[0].Message);
    }
    EXPECT_EQ(FolderExportSummaryText(report),
              QStringLiteral("2 images written to %1.\n3 entries failed:")
                  .arg(QDir::toNativeSeparators(Folder())));
    EXPECT_EQ(ReportedEntryLine(report.Failures[1]),
              QStringLiteral("4\tD!\t") + MessageSentence(report.Failures[0].Message));
    EXPECT_TRUE(Dialogs.OpenedFolders.empty()) << "closed without opening the folder";

    // The preview tells the same of the entry, in its pane.
    ClickEntry(1);
    EXPECT_EQ(Preview().ErrorText(),
              QStringLiteral("Entry 2: ") + MessageWithHint(report.Failures[0].Message));

    // A new export runs through alike; the summary's button opens the folder.
    const QString second = InFolder(QStringLiteral("second"));
    ASSERT_TRUE(QDir().mkpath(second));
    Dialogs.OpenFolderReplies.push_back(true);
    Dialogs.Asked.clear();
    ExportAll(second);
    EXPECT_EQ(Dialogs.Asked, Texts({"PickFolder", "FolderExportSummary"}));
    ASSERT_EQ(Dialogs.Summaries.size(), 2u);
    EXPECT_EQ(Dialogs.Summaries[1].Written, 2);
    EXPECT_EQ(Dialogs.OpenedFolders, std::vector<QString>{second});
}

TEST_F(ImageExportTest, EmptyListAsksForTheFolderAndWritesNothing)
{
    ExportAll(Folder());
    EXPECT_EQ(Dialogs.FolderRequests.size(), 1u);
    EXPECT_TRUE(FilesIn(Folder()).isEmpty());
    EXPECT_TRUE(Dialogs.ErrorBoxes.empty());
    EXPECT_EQ(List().SelectedRow(), -1);

    Find<QPushButton>("Button2")->click(); // cancelled
    EXPECT_TRUE(FilesIn(Folder()).isEmpty());
}

TEST_F(ImageExportTest, FileAppearingUnderTheNextNameIsLeftUntouched)
{
    for (const char* text : {"A", "B", "C"})
        AddEntry(QLatin1String(text));
    const QString taken = InFolder(QStringLiteral("2.png"));
    TBetweenEntries other([&] { return QFile::exists(InFolder(QStringLiteral("1.png"))); },
                          [&] {
                              QFile file(taken);
                              ASSERT_TRUE(file.open(QIODevice::NewOnly));
                              file.write("someone else's");
                          });
    ExportAll(Folder());
    EXPECT_EQ(FilesIn(Folder()), Names({"1.png", "2 (2).png", "2.png", "3.png"}));
    QFile file(taken);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("someone else's"));
}

// While the progress dialog is up, failing entries open no window of their own: nothing can
// hide behind the window or the progress dialog and wait for a key.
TEST_F(ImageExportTest, FailingEntriesOpenNoWindowBesideTheProgressDialog)
{
    QTemporaryDir lists;
    const QString listFile = lists.filePath(QStringLiteral("failing.txt"));
    {
        QFile file(listFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 20000; ++i)
            file.write(QByteArray::number(i) + (i % 2 == 0 ? "!\n" : "\n"));
    }
    Dialogs.TextFileReplies.push_back({listFile, Utf8Choice});
    Find<QAction>("Load1")->trigger();
    Dialogs.Asked.clear();

    QProgressDialog* shown = nullptr;
    QWidgetList others;
    TBetweenEntries user(
        [&] {
            shown = Form->findChild<QProgressDialog*>(QStringLiteral("ExportProgress"));
            // Past the first failing entry.
            return shown && shown->isVisible() && QFile::exists(InFolder(QStringLiteral("3.png")));
        },
        [&] {
            EXPECT_EQ(shown->parentWidget(), Form.get());
            EXPECT_EQ(shown->windowModality(), Qt::WindowModal);
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->isVisible() && widget != Form.get() && widget != shown)
                    others << widget;
            shown->cancel();
        });
    ExportAll(Folder());
    EXPECT_TRUE(others.isEmpty()) << others.size() << " other windows";
    EXPECT_EQ(Dialogs.Asked, Texts({"PickFolder", "FolderExportSummary"}));
    ASSERT_EQ(Dialogs.Summaries.size(), 1u);
    EXPECT_TRUE(Dialogs.Summaries[0].Stopped);
    EXPECT_FALSE(Dialogs.Summaries[0].Failures.empty());
}

TEST_F(ImageExportTest, WriteErrorEndsTheRunAndKeepsTheEarlierFiles)
{
    for (const char* text : {"A", "B", "C", "D"})
        AddEntry(QLatin1String(text));
    // The folder turns into a plain file halfway: creating a file in it fails even for root.
    const QString folder = InFolder(QStringLiteral("out"));
    const QString moved = InFolder(QStringLiteral("moved"));
    ASSERT_TRUE(QDir().mkpath(folder));
    TBetweenEntries other([&] { return QFile::exists(folder + QStringLiteral("/2.png")); },
                          [&] {
                              ASSERT_TRUE(QDir().rename(folder, moved));
                              QFile file(folder);
                              ASSERT_TRUE(file.open(QIODevice::NewOnly));
                          });
    ExportAll(folder);
    ASSERT_EQ(Dialogs.ErrorBoxes.size(), 1u);
    EXPECT_EQ(Dialogs.ErrorBoxes[0].Caption, QStringLiteral("Cannot save to out"));
    EXPECT_TRUE(Dialogs.ErrorBoxes[0].Text.startsWith(
        QStringLiteral("Cannot create file \"%1/3.png\". Not a directory\n").arg(folder)))
        << Dialogs.ErrorBoxes[0].Text.toStdString();
    EXPECT_EQ(FilesIn(moved), Names({"1.png", "2.png"}));
    EXPECT_EQ(Form->CurrentText(), QStringLiteral("C")) << "the run ends at the failing entry";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ImageExportTest, ProgressDialogOfALongExportCancelsAfterTheCurrentEntry)
{
    constexpr int Count = 20000;
    QTemporaryDir lists;
    const QString listFile = lists.filePath(QStringLiteral("long.txt"));
    {
        QFile file(listFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int i = 1; i <= Count; ++i)
            file.write(QByteArray::number(i) + '\n');
    }
    Dialogs.TextFileReplies.push_back({listFile, 4});
    Find<QAction>("Load1")->trigger();
    ASSERT_EQ(ListTexts().size(), Count);

    QProgressDialog* shown = nullptr;
    int maximum = 0;
    TBetweenEntries user(
        [&] {
            shown = Form->findChild<QProgressDialog*>(QStringLiteral("ExportProgress"));
            return shown && shown->isVisible();
        },
        [&] {
            EXPECT_TRUE(shown->isModal());
            EXPECT_GE(shown->minimumDuration(), 1000);
            maximum = shown->maximum();
            auto* cancel = shown->findChild<QPushButton*>();
            ASSERT_NE(cancel, nullptr);
            cancel->click();
        });
    ExportAll(Folder());

    EXPECT_EQ(maximum, Count);
    const int written = int(FilesIn(Folder()).size());
    ASSERT_GE(written, 1);
    EXPECT_LT(written, Count);
    for (int i = 1; i <= written; ++i)
        EXPECT_TRUE(QFile::exists(InFolder(QString::number(i) + QStringLiteral(".png")))) << i;
    EXPECT_EQ(Form->CurrentText(), QString::number(written));
    EXPECT_EQ(List().SelectedRow(), written - 1) << "the selection follows the preview";
    ASSERT_EQ(Dialogs.Summaries.size(), 1u);
    EXPECT_TRUE(Dialogs.Summaries[0].Stopped);
    EXPECT_EQ(Dialogs.Summaries[0].Written, written);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Form->findChild<QProgressDialog*>(), nullptr);
}
