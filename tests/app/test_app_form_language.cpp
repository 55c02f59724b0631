// The main window's side of the languages: the engine's start with the remembered file and
// the Help menu's "Language..." (src/app/app_form_language.cpp).
#include "gui_test_base.h"

#include "dialogs/translate_form.h"
#include "i18n/translation_engine.h"
#include "platform/user_store.h"
#include "support/program_vocabulary.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>

namespace {

// A main window whose program folder holds a Languages folder; the per-user store lives in
// a temporary folder. The tests run with LC_ALL=C.UTF-8, so the user's LANGID is 1033.
class AppFormLanguageTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ASSERT_TRUE(FStore.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FStore.path());
        FLanguages = ProgramFolder() + QStringLiteral("/Languages");
        QDir().mkpath(FLanguages);
        Write(QStringLiteral("German.lang.txt"),
              "{INFO:Translated By}Kelmora\n{Language}Sprache\n");
        Write(QStringLiteral("French.lang.txt"), "{INFO:Translated By}Kelmora\n{Language}Langue\n");
        Write(QStringLiteral("LanguageCodes.csv"), "1033,German.lang.txt\n");
    }

    void TearDown() override
    {
        TGuiTestBase::TearDown();
        InitLanguageIn(QString(), QString(), QString());
    }

    void Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(FLanguages + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static void Remember(const QString& fileName)
    {
        TUserStore().WriteString(QStringLiteral("Language"), fileName);
    }

    QTemporaryDir FStore;
    QString FLanguages;
};

} // namespace

TEST_F(AppFormLanguageTest, WithoutChoiceTheCodeListDecides)
{
    CreateForm();
    EXPECT_EQ(LanguagesFolder(), FLanguages);
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("German"));
    EXPECT_EQ(Translate(QStringLiteral("Language")), QStringLiteral("Sprache"));
    // English stays the text of every key the file lacks.
    EXPECT_EQ(Find<QAction>("Language1")->text(), QStringLiteral("&Language..."));
}

TEST_F(AppFormLanguageTest, RememberedChoiceIsStartedWith)
{
    Remember(QStringLiteral("French.lang.txt"));
    CreateForm();
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("French"));
    EXPECT_EQ(Translate(QStringLiteral("Language")), QStringLiteral("Langue"));
}

TEST_F(AppFormLanguageTest, RememberedFileThatIsGoneFallsBackToTheAutomaticChoice)
{
    Remember(QStringLiteral("Klingon.lang.txt"));
    CreateForm();
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("German"));
}

TEST_F(AppFormLanguageTest, SetLanguageFileRemembersTheChoice)
{
    CreateForm();
    Form->SetLanguageFile(QStringLiteral("French.lang.txt"));
    EXPECT_EQ(TUserStore().ReadString(QStringLiteral("Language")),
              QStringLiteral("French.lang.txt"));
}

TEST_F(AppFormLanguageTest, UnreadableLanguageFileIsReportedAndTheProgramGoesOnInEnglish)
{
    QFile::remove(FLanguages + QStringLiteral("/German.lang.txt"));
    // /proc/self/mem opens but fails on reading, even for root.
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"),
                            FLanguages + QStringLiteral("/German.lang.txt")));
    CreateForm();
    ASSERT_EQ(Dialogs.ErrorBoxes.size(), 1u);
    EXPECT_EQ(Dialogs.ErrorBoxes[0].Caption, QStringLiteral("Lintaro"));
    EXPECT_TRUE(Dialogs.ErrorBoxes[0].Text.contains(QStringLiteral("German.lang.txt")))
        << Dialogs.ErrorBoxes[0].Text.toStdString();
    EXPECT_EQ(LanguageFile(), FLanguages + QStringLiteral("/German.lang.txt"));
    EXPECT_EQ(Translate(QStringLiteral("Language")), QStringLiteral("Language"));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Kelmora - Lintaro"));
}

TEST_F(AppFormLanguageTest, LanguageItemOpensTheDialogModally)
{
    ShowForm();
    auto* item = Find<QAction>("Language1");
    EXPECT_TRUE(item->isVisible());
    QString caption;
    QString selected;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TTranslateForm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        caption = dialog->windowTitle();
        selected = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentText();
        dialog->close();
    });
    item->trigger();
    EXPECT_EQ(caption, QStringLiteral("Sprache"));
    EXPECT_EQ(selected, QStringLiteral("Deutsch"));
}

namespace {

// A text shows unmarked when something with letters is left after its marked parts.
bool ShowsUnmarked(const QString& text)
{
    static const QRegularExpression marked(QStringLiteral("⟦[^⟧]*⟧"));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    return QString(text).remove(marked).contains(letter);
}

// The option grids of the symbol: their tabs and rows are named by the symbol's properties,
// as the batch tool's options are.
bool IsOptionGrid(const QObject* object)
{
    for (; object; object = object->parent())
        if (object->inherits("TFrameOptions"))
            return true;
    return false;
}

bool HoldsOptionGrid(const QWidget* page)
{
    for (const QWidget* child : page->findChildren<QWidget*>())
        if (child->inherits("TFrameOptions"))
            return true;
    return false;
}

// Texts of the window that are the user's or the catalogue's, not the program's words: the
// symbology list (proper names), the image format names, the typed texts, the option grids,
// and Qt's own undo texts, which Qt's catalogues translate.
bool IsExempt(const QObject* object)
{
    if (IsOptionGrid(object))
        return true;
    for (const QObject* item = object; item; item = item->parent()) {
        const QString name = item->objectName();
        if (name == QLatin1String("comType") || name == QLatin1String("ComboBox1") ||
            name == QLatin1String("Undo1") || name == QLatin1String("Redo1"))
            return true;
    }
    return false;
}

QStringList ShownTexts(const QWidget* widget)
{
    QStringList texts{widget->toolTip()};
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        texts << label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        texts << button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        texts << group->title();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        texts << edit->placeholderText();
    if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
        for (int index = 0; index < tabs->count(); ++index)
            if (!HoldsOptionGrid(tabs->widget(index)))
                texts << tabs->tabText(index) << tabs->tabToolTip(index);
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        for (int index = 0; index < combo->count(); ++index)
            texts << combo->itemText(index);
    return texts;
}

} // namespace

// Every word the window shows is looked up: in a language whose values are all marked, a text
// without the mark was never translated.
TEST_F(AppFormLanguageTest, EveryTextTheWindowShowsPassesThroughTheEngine)
{
    Write(QStringLiteral("Marked.lang.txt"), MarkedLanguageFile(ProgramVocabulary()));
    Remember(QStringLiteral("Marked.lang.txt"));
    ShowForm();
    ASSERT_EQ(CurrentLanguage(), QStringLiteral("Marked"));

    QStringList unmarked;
    for (const QWidget* widget : Form->findChildren<QWidget*>()) {
        if (IsExempt(widget))
            continue;
        for (const QString& text : ShownTexts(widget))
            if (ShowsUnmarked(text))
                unmarked << widget->objectName() + QStringLiteral(": ") + text;
    }
    for (const QAction* action : Form->findChildren<QAction*>()) {
        if (IsExempt(action) || action->isSeparator())
            continue;
        for (const QString& text : {action->text(), action->toolTip()})
            if (ShowsUnmarked(text))
                unmarked << action->objectName() + QStringLiteral(": ") + text;
    }
    EXPECT_TRUE(unmarked.isEmpty()) << unmarked.join(u'\n').toStdString();
}

// In every shipped language, each menu's items (and the menu bar's titles) have an Alt letter
// of their own: two alike make the key open the first and never the second.
TEST_F(AppFormLanguageTest, EveryMenuHasDistinctAccessKeysInEveryLanguage)
{
    const QDir shipped(QString::fromUtf8(LINTARO_SOURCE_DIR "/Languages"));
    QStringList files = shipped.entryList({QStringLiteral("*.lang.txt")});
    files.prepend(QString()); // English
    ASSERT_GT(files.size(), 1);
    QFile::remove(FLanguages + QStringLiteral("/LanguageCodes.csv"));
    for (const QString& file : files) {
        if (!file.isEmpty()) {
            QFile::remove(FLanguages + u'/' + file);
            ASSERT_TRUE(QFile::copy(shipped.filePath(file), FLanguages + u'/' + file));
        }
        Remember(file);
        CreateForm();
        ASSERT_EQ(CurrentLanguage(), file.isEmpty() ? QString() : file.section(u'.', 0, 0));
        std::vector<const QWidget*> menus{Form->menuBar()};
        for (QMenu* menu : Form->menuBar()->findChildren<QMenu*>())
            menus.push_back(menu);
        for (const QWidget* menu : menus) {
            QMap<QString, QString> keys;
            for (const QAction* action : menu->actions()) {
                const QString key = QKeySequence::mnemonic(action->text()).toString().toLower();
                if (action->isSeparator() || key.isEmpty())
                    continue;
                EXPECT_FALSE(keys.contains(key))
                    << file.toStdString() << ": " << action->text().toStdString() << " and "
                    << keys.value(key).toStdString();
                keys.insert(key, action->text());
            }
        }
    }
}

// In a right-to-left language the window is mirrored whole: the settings panel, which follows
// the panes in reading order, sits on the left.
TEST_F(AppFormLanguageTest, RightToLeftWindowHasTheSettingsPanelOnTheLeft)
{
    const QString arabic = QStringLiteral("Arabic.lang.txt");
    QFile::remove(FLanguages + u'/' + arabic);
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(LINTARO_SOURCE_DIR "/Languages/") + arabic,
                            FLanguages + u'/' + arabic));
    Remember(arabic);
    ShowForm();
    EXPECT_EQ(Form->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(Form->dockWidgetArea(Find<QDockWidget>("SettingsDock")), Qt::LeftDockWidgetArea);
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}
