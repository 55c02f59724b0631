#include "dialogs/translate_form.h"

#include "dialogs/application_language.h"
#include "dialogs/custom_dialog.h"
#include "dialogs/language_flags.h"
#include "dialogs/restart_script.h"
#include "i18n/translation_engine.h"
#include "restart_stand_in.h"
#include "support/temporary_folder.h"
#include "without_desktop_opener.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// A Languages folder with German (credits of three names), French, Catalan, a language
// outside the flag table and one without credits; the dialog opens over it.
class TranslateFormTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FRoot.isValid());
        FFolder = FRoot.filePath(QStringLiteral("Languages"));
        QDir().mkpath(FFolder);
        WriteWholeFile(FFolder + QStringLiteral("/German.lang.txt"),
                       "; German\n{INFO:Translated By}Anna Schmidt , Bernd,  Carla \n"
                       "{Language}Sprache\n{User Interface Language:}Sprache der "
                       "Benutzeroberfl\xC3\xA4"
                       "che:\n{Translated by:}\xC3\x9C"
                       "bersetzt von:\n"
                       "{OK}OK\n{Contribute to Translation}An der \xC3\x9C"
                       "bersetzung mitwirken\n"
                       "{Copy}Kopieren\n{Select All}Alles ausw\xC3\xA4hlen\n{Yes}Ja\n{No}Nein\n"
                       "{Confirmation}Best\xC3\xA4tigung\n{Restart Application?}Anwendung neu "
                       "starten?\n{Cancel}Abbrechen\n");
        WriteWholeFile(FFolder + QStringLiteral("/French.lang.txt"),
                       "{INFO:Translated By}Kelmora\n{Language}Langue\n");
        WriteWholeFile(FFolder + QStringLiteral("/Catalan.lang.txt"),
                       "{INFO:Translated By}Kelmora\n");
        WriteWholeFile(FFolder + QStringLiteral("/Klingon.lang.txt"), "{Language}Hol\n");
        FData = FRoot.filePath(QStringLiteral("data"));
        QDir().mkpath(FData);
        SetCustomDialogHook([this](const TCustomDialogRequest& request) {
            Questions.push_back(request);
            return Answers.empty() ? mrNo : Answers.front();
        });
    }

    void TearDown() override
    {
        SetCustomDialogHook({});
        Form.reset();
        InitLanguageIn(QString(), QString(), QString());
    }

    void Activate(const QString& fileName)
    {
        InitLanguageIn(FFolder, fileName, QStringLiteral("1033"));
    }

    TTranslateForm& Open()
    {
        TTranslateFormEnvironment environment;
        environment.ProgramPath = QStringLiteral("/opt/lintaro/lintaro");
        environment.DataFolder = FData;
        environment.SetLanguageFile = [this](const QString& name) { LanguageFiles << name; };
        environment.OpenUrl = [this](const QUrl& url) { Urls << url; };
        environment.StartScript = [this](const QString& script, const QString& folder) {
            Started << script << folder;
        };
        environment.Quit = [this] { ++Quits; };
        environment.ShowError = [this](QWidget* parent, const QString&, const QString& text) {
            EXPECT_EQ(parent, Form.get()) << "the box belongs to the dialog";
            Errors << text;
        };
        if (Modify)
            Modify(environment);
        Form = std::make_unique<TTranslateForm>(std::move(environment));
        Form->show();
        return *Form;
    }

    template <typename TWidget> TWidget* Find(const char* name) const
    {
        auto* widget = Form->findChild<TWidget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TLanguageComboBox* List() const { return Find<TLanguageComboBox>("ComboBox1"); }
    // The language files of the items, in the list's order.
    QStringList Items() const
    {
        QStringList items;
        for (int index = 0; index < List()->count(); ++index)
            items << List()->FileName(index);
        return items;
    }
    QStringList ShownNames() const
    {
        QStringList names;
        for (int index = 0; index < List()->count(); ++index)
            names << List()->itemText(index);
        return names;
    }
    QStringList Credits() const
    {
        return Find<QPlainTextEdit>("RichEdit1")->toPlainText().split(u'\n');
    }
    // Chooses a language as the user does.
    void Choose(const QString& language)
    {
        const int index = List()->findData(language);
        ASSERT_GE(index, 0);
        List()->setCurrentIndex(index);
        emit List()->activated(index);
    }
    void PressOk() { QTest::mouseClick(Find<QPushButton>("Button1"), Qt::LeftButton); }

    QTemporaryDir FRoot;
    QString FFolder;
    QString FData;
    std::unique_ptr<TTranslateForm> Form;
    std::function<void(TTranslateFormEnvironment&)> Modify;
    std::vector<TCustomDialogRequest> Questions;
    std::vector<int> Answers;
    QStringList LanguageFiles;
    QList<QUrl> Urls;
    QStringList Started;
    QStringList Errors;
    int Quits = 0;
};

} // namespace

TEST_F(TranslateFormTest, WithoutLanguageFilesOnlyEnglishAndOkCloses)
{
    InitLanguageIn(FRoot.filePath(QStringLiteral("none")), QString(), QStringLiteral("1031"));
    Open();
    EXPECT_EQ(Items(), QStringList{QStringLiteral("English")});
    EXPECT_EQ(List()->CurrentFileName(), QStringLiteral("English"));
    EXPECT_EQ(Credits(), QStringList{QStringLiteral("Kelmora")});
    EXPECT_EQ(DialogLanguage(), QStringLiteral("English"));
    PressOk();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_TRUE(Questions.empty());
    EXPECT_EQ(Quits, 0);
}

TEST_F(TranslateFormTest, WindowAsDesignedInEnglish)
{
    Activate(QString());
    Open();
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Language"));
    EXPECT_EQ(Form->size(), QSize(622, 227));
    EXPECT_EQ(Find<QLabel>("Label1")->text(), QStringLiteral("User Interface Language:"));
    EXPECT_EQ(Find<QLabel>("Label2")->text(), QStringLiteral("Translated by:"));
    EXPECT_EQ(Find<QPushButton>("Button1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(Find<QPushButton>("Button1")->width(), 172);
    EXPECT_EQ(Find<QLabel>("Label3")->text(), QStringLiteral("Contribute to Translation"));
    EXPECT_EQ(Find<QLabel>("Label3")->toolTip(),
              QStringLiteral("http://www.kelmora.example/translate/"));
    EXPECT_EQ(Find<QAction>("Copy1")->text(), QStringLiteral("Copy"));
    EXPECT_EQ(Find<QAction>("SelectAll1")->text(), QStringLiteral("Select All"));
    EXPECT_EQ(List()->geometry().topLeft(), QPoint(263, 4));
    EXPECT_EQ(Find<QPlainTextEdit>("RichEdit1")->geometry(), QRect(263, 32, 355, 151));
    EXPECT_TRUE(Find<QPlainTextEdit>("RichEdit1")->isReadOnly());
}

TEST_F(TranslateFormTest, ListIsSortedWithEnglishSelectedWhenNoLanguageIsActive)
{
    Activate(QString());
    Open();
    // Sorted by the names shown, each language's own; a language ICU does not know shows its
    // file's name.
    EXPECT_EQ(ShownNames(), (QStringList{QStringLiteral("Català"), QStringLiteral("Deutsch"),
                                         QStringLiteral("English"), QStringLiteral("Français"),
                                         QStringLiteral("Klingon")}));
    EXPECT_EQ(Items(), (QStringList{QStringLiteral("Catalan"), QStringLiteral("German"),
                                    QStringLiteral("English"), QStringLiteral("French"),
                                    QStringLiteral("Klingon")}));
    EXPECT_EQ(List()->CurrentFileName(), QStringLiteral("English"));
    EXPECT_EQ(Credits(), QStringList{QStringLiteral("Kelmora")});
}

TEST_F(TranslateFormTest, ActiveLanguageIsSelectedAndTheTextsAreTranslated)
{
    Activate(QStringLiteral("German.lang.txt"));
    Open();
    EXPECT_EQ(List()->CurrentFileName(), QStringLiteral("German"));
    EXPECT_EQ(DialogLanguage(), QStringLiteral("German"));
    EXPECT_EQ(Credits(), (QStringList{QStringLiteral("Anna Schmidt"), QStringLiteral("Bernd"),
                                      QStringLiteral("Carla")}));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Sprache"));
    EXPECT_EQ(Find<QLabel>("Label1")->text(), QStringLiteral("Sprache der Benutzeroberfläche:"));
    EXPECT_EQ(Find<QLabel>("Label2")->text(), QStringLiteral("Übersetzt von:"));
    EXPECT_EQ(Find<QLabel>("Label3")->text(), QStringLiteral("An der Übersetzung mitwirken"));
    EXPECT_EQ(Find<QAction>("Copy1")->text(), QStringLiteral("Kopieren"));
    EXPECT_EQ(Find<QAction>("SelectAll1")->text(), QStringLiteral("Alles auswählen"));
}

TEST_F(TranslateFormTest, SelectionShowsTheCreditsOfThatLanguage)
{
    Activate(QString());
    Open();
    Choose(QStringLiteral("German"));
    EXPECT_EQ(Credits().size(), 3);
    Choose(QStringLiteral("Klingon")); // no credits entry: the key itself
    EXPECT_EQ(Credits(), QStringList{QStringLiteral("INFO:Translated By")});
    QFile::remove(FFolder + QStringLiteral("/French.lang.txt"));
    Choose(QStringLiteral("French")); // unreadable now: nothing
    EXPECT_TRUE(Find<QPlainTextEdit>("RichEdit1")->toPlainText().isEmpty());
    Choose(QStringLiteral("English"));
    EXPECT_EQ(Credits(), QStringList{QStringLiteral("Kelmora")});
}

TEST_F(TranslateFormTest, ChangeAndNoKeepsTheDialogOpenAndAsksAgain)
{
    Activate(QStringLiteral("German.lang.txt"));
    Open();
    Choose(QStringLiteral("French"));
    Answers = {mrNo};
    PressOk();
    ASSERT_EQ(Questions.size(), 1u);
    const TCustomDialogRequest& question = Questions[0];
    EXPECT_EQ(question.Text, QStringLiteral("Anwendung neu starten?"));
    EXPECT_EQ(question.Caption, QStringLiteral("Bestätigung"));
    EXPECT_EQ(question.Type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(question.Buttons, (TMsgDlgButtons{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}));
    EXPECT_EQ(question.ButtonCaptions, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    EXPECT_TRUE(Form->isVisible());
    EXPECT_EQ(List()->CurrentFileName(), QStringLiteral("French"));
    EXPECT_TRUE(LanguageFiles.isEmpty());
    EXPECT_FALSE(QFile::exists(RestartScriptPath(FData)));
    PressOk();
    EXPECT_EQ(Questions.size(), 2u);
    EXPECT_EQ(Quits, 0);
}

TEST_F(TranslateFormTest, ChangeAndBackAgainClosesWithoutAsking)
{
    Activate(QString());
    Open();
    Choose(QStringLiteral("German"));
    Choose(QStringLiteral("English"));
    PressOk();
    EXPECT_TRUE(Questions.empty());
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(TranslateFormTest, ChangeAndYesRemembersWritesTheScriptStartsItAndQuits)
{
    Activate(QString());
    Open();
    Choose(QStringLiteral("French"));
    Answers = {mrYes};
    PressOk();
    EXPECT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0].ButtonCaptions,
              (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    EXPECT_EQ(LanguageFiles, QStringList{QStringLiteral("French.lang.txt")});
    const QString script = FData + QStringLiteral("/start.sh");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), RestartScriptText(QStringLiteral("/opt/lintaro/lintaro")));
    EXPECT_EQ(Started, (QStringList{script, FData}));
    EXPECT_EQ(Quits, 1);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_EQ(Form->result(), QDialog::Accepted);
}

TEST_F(TranslateFormTest, ScriptThatCannotBeWrittenIsReportedAndTheProgramGoesOn)
{
    FData = FRoot.filePath(QStringLiteral("missing"));
    Activate(QString());
    Open();
    Choose(QStringLiteral("French"));
    Answers = {mrYes};
    PressOk();
    ASSERT_EQ(Errors.size(), 1);
    EXPECT_TRUE(Errors[0].contains(QStringLiteral("start.sh"))) << Errors[0].toStdString();
    EXPECT_TRUE(Started.isEmpty());
    EXPECT_EQ(Quits, 0);
}

TEST_F(TranslateFormTest, ConfirmedRestartStartsTheProgramDetachedInTheDataFolder)
{
    const QString marker = FRoot.filePath(QStringLiteral("ran.txt"));
    const QString program =
        MakeStandInProgram(FRoot.path() + QStringLiteral("/my \"apps\"/it's $x `y`"), marker);
    Modify = [&](TTranslateFormEnvironment& environment) {
        environment.ProgramPath = program;
        environment.StartScript = nullptr; // the real detached start
    };
    Activate(QString());
    Open();
    Choose(QStringLiteral("German"));
    Answers = {mrYes};
    PressOk();
    EXPECT_EQ(Quits, 1);
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(marker) && waited.elapsed() < 15000)
        QTest::qWait(50);
    QTest::qWait(100);
    QFile ran(marker);
    ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(ran.readAll()),
              QStringLiteral("ran ") + program + QStringLiteral(" in ") + FData + u'\n');
}

TEST_F(TranslateFormTest, EscapeClosesFromTheListTheButtonAndTheCredits)
{
    Activate(QString());
    for (const char* name : {"ComboBox1", "Button1", "RichEdit1"}) {
        Open();
        QWidget* widget = Find<QWidget>(name);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Escape);
        EXPECT_FALSE(Form->isVisible()) << name;
    }
}

TEST_F(TranslateFormTest, ContributeLinkOpensTheTranslationPage)
{
    Activate(QString());
    Open();
    QTest::mouseClick(Find<QLabel>("Label3"), Qt::LeftButton);
    EXPECT_EQ(Urls, QList<QUrl>{QUrl(QStringLiteral("http://www.kelmora.example/translate/"))});
    EXPECT_EQ(Find<QLabel>("Label3")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(TranslateFormTest, ContributeLinkNoProgramOpensIsReported)
{
    Activate(QString());
    Modify = [](TTranslateFormEnvironment& environment) { environment.OpenUrl = nullptr; };
    const TWithoutDesktopOpener bare;
    Open();
    QTest::mouseClick(Find<QLabel>("Label3"), Qt::LeftButton);
    EXPECT_EQ(Errors, QStringList{QStringLiteral("No program on this system could open "
                                                 "http://www.kelmora.example/translate/.")});
}

TEST_F(TranslateFormTest, ContextMenuSelectsAllAndCopies)
{
    Activate(QString());
    Open();
    Choose(QStringLiteral("German"));
    Find<QAction>("SelectAll1")->trigger();
    EXPECT_EQ(Find<QPlainTextEdit>("RichEdit1")->textCursor().selectedText(),
              QStringLiteral("Anna Schmidt\u2029Bernd\u2029Carla"));
    QApplication::clipboard()->clear();
    Find<QAction>("Copy1")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Anna Schmidt\nBernd\nCarla"));
}

TEST(LanguageFlags, TableIsExactAndCaseSensitive)
{
    EXPECT_EQ(FlagPictureName(QStringLiteral("Catalan")), QStringLiteral("ca"));
    EXPECT_EQ(FlagPictureName(QStringLiteral("English")), QStringLiteral("english"));
    EXPECT_EQ(FlagPictureName(QStringLiteral("Vietnamese")), QStringLiteral("vi"));
    EXPECT_EQ(FlagPictureName(QStringLiteral("Persian")), QStringLiteral("ir"));
    EXPECT_EQ(FlagPictureName(QStringLiteral("Klingon")), QStringLiteral("xx"));
    EXPECT_EQ(FlagPictureName(QStringLiteral("catalan")), QStringLiteral("xx"));
    EXPECT_EQ(FlagPictureName(QString()), QStringLiteral("xx"));
}

TEST(LanguageFlags, ThirtyEightPicturesOfSixteenBySixteen)
{
    const QStringList& names = LanguagePictureNames();
    ASSERT_EQ(names.size(), 38);
    EXPECT_EQ(names.first(), QStringLiteral("xx"));
    EXPECT_EQ(names.indexOf(QStringLiteral("tick_button")), 32);
    EXPECT_EQ(names.last(), QStringLiteral("ca"));
    for (const QString& name : names) {
        const QPixmap picture = LanguagePicture(name);
        ASSERT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_EQ(picture.size(), QSize(16, 16)) << name.toStdString();
    }
}

TEST(LanguageFlags, CatalanIsTheSenyeraAndUnknownIsNeutral)
{
    // Catalonia's flag: gold and red stripes; the neutral flag has no saturated colour.
    const QImage catalan = LanguagePicture(QStringLiteral("ca")).toImage();
    const QImage neutral = LanguagePicture(FlagPictureName(QStringLiteral("Klingon"))).toImage();
    int gold = 0, red = 0, saturated = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QColor c = catalan.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() > 200 && c.green() > 160 && c.blue() < 100)
                ++gold;
            if (c.alpha() > 200 && c.red() > 180 && c.green() < 80)
                ++red;
            if (neutral.pixelColor(x, y).alpha() > 0 && neutral.pixelColor(x, y).saturation() > 40)
                ++saturated;
        }
    EXPECT_GT(gold, 20);
    EXPECT_GT(red, 20);
    EXPECT_EQ(saturated, 0);
    EXPECT_NE(catalan, LanguagePicture(QStringLiteral("es")).toImage());
}

TEST_F(TranslateFormTest, ItemsAreEighteenHighAndDrawTheirFlag)
{
    Activate(QString());
    Open();
    QAbstractItemView* view = List()->view();
    const QModelIndex catalan = List()->model()->index(0, 0);
    QStyleOptionViewItem option;
    option.initFrom(view);
    EXPECT_EQ(view->itemDelegate()->sizeHint(option, catalan).height(), 18);
    // Drawn into a picture: the first 16 pixels of the row are Catalonia's flag.
    QImage row(200, 18, QImage::Format_ARGB32);
    row.fill(Qt::white);
    QPainter painter(&row);
    option.rect = row.rect();
    view->itemDelegate()->paint(&painter, option, catalan);
    painter.end();
    const QImage flag = LanguagePicture(QStringLiteral("ca")).toImage();
    EXPECT_EQ(row.pixelColor(8, 8), flag.pixelColor(8, 8));
}

TEST_F(TranslateFormTest, CancelBesideOkClosesWithoutAChoice)
{
    Activate(QStringLiteral("German.lang.txt"));
    Open();
    auto* ok = Find<QPushButton>("Button1");
    auto* cancel = Find<QPushButton>("Button2");
    EXPECT_EQ(cancel->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(cancel->y(), ok->y());
    EXPECT_GT(cancel->x(), ok->geometry().right());
    Choose(QStringLiteral("French"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_TRUE(Questions.empty());
    EXPECT_TRUE(LanguageFiles.isEmpty());
}

TEST_F(TranslateFormTest, ShortCreditsShowNoScrollBars)
{
    Activate(QString());
    Open();
    auto* credits = Find<QPlainTextEdit>("RichEdit1");
    QCoreApplication::processEvents();
    EXPECT_FALSE(credits->verticalScrollBar()->isVisible());
    EXPECT_FALSE(credits->horizontalScrollBar()->isVisible());
    // A list longer than the box scrolls.
    WriteWholeFile(FFolder + QStringLiteral("/French.lang.txt"),
                   QByteArray("{INFO:Translated By}") +
                       QByteArray("A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R"));
    Choose(QStringLiteral("French"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(credits->verticalScrollBar()->isVisible());
}

// A right-to-left language mirrors the dialog: its labels on the right, its buttons on the left.
TEST_F(TranslateFormTest, RightToLeftLanguageMirrorsThePlacedControls)
{
    WriteWholeFile(
        FFolder + QStringLiteral("/Arabic.lang.txt"),
        "{INFO:Translated By}Kelmora\n{Language}\xD8\xA7\xD9\x84\xD9\x84\xD8\xBA\xD8\xA9\n");
    Activate(QStringLiteral("Arabic.lang.txt"));
    ApplyLanguageToApplication();
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    Open();
    const int width = Form->width();
    EXPECT_EQ(List()->geometry().right(), width - 1 - 263);
    EXPECT_GT(Find<QLabel>("Label1")->x(), List()->geometry().right());
    EXPECT_EQ(Find<QPushButton>("Button2")->x(), 6);
    EXPECT_GT(Find<QPushButton>("Button1")->x(), Find<QPushButton>("Button2")->x());

    Activate(QString());
    ApplyLanguageToApplication();
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

// Qt's own texts (here a standard button) come from Qt's translations of the active language.
TEST_F(TranslateFormTest, QtsOwnTextsFollowTheLanguage)
{
    const auto cancelText = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text().remove(u'&');
    };
    Activate(QStringLiteral("German.lang.txt"));
    ApplyLanguageToApplication();
    EXPECT_EQ(cancelText(), QStringLiteral("Abbrechen"));
    Activate(QString());
    ApplyLanguageToApplication();
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
}
