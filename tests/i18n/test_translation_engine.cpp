#include "i18n/translation_engine.h"

#include "base/zint_exception.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include <sys/stat.h>

namespace {

QString S(const char* text)
{
    return QString::fromUtf8(text);
}

const QByteArray kGerman = "{OK}OK\r\n{Send}Senden\r\n{Language}Sprache\r\n";
const QByteArray kFrench = "{Send}Envoyer\n{Language}Langue\n";

// One case: the folder's files, the identifier and file name given to InitLanguage, and what
// follows. A null folder means "no Languages folder at all".
struct TEngineCase
{
    const char* Name;
    std::vector<std::pair<const char*, QByteArray>> Files;
    const char* LanguageId;
    const char* FileName;
    const char* CurrentLanguage;
    const char* ActiveFile; // name of the active file, "" when none
    std::vector<std::pair<const char*, const char*>> Translations; // key, Translate(key)
};

std::vector<TEngineCase> EngineCases()
{
    return {
        {"NoLanguagesFolder", {}, "1031", "", "", "", {{"Send", "Send"}, {"OK", "OK"}}},
        {"CodeListPicksTheFileOfTheIdentifier",
         {{"German.lang.txt", kGerman},
          {"French.lang.txt", kFrench},
          {"LanguageCodes.csv", "1036,French.lang.txt\r\n1031,German.lang.txt\r\n"}},
         "1031",
         "",
         "German",
         "German.lang.txt",
         {{"Send", "Senden"}, {"Language", "Sprache"}, {"Copy", "Copy"}}},
        {"IdentifierNotListedKeepsEnglish",
         {{"German.lang.txt", kGerman}, {"LanguageCodes.csv", "1031,German.lang.txt\n"}},
         "1036",
         "",
         "",
         "",
         {{"Send", "Send"}}},
        {"NoCodeListKeepsEnglish",
         {{"German.lang.txt", kGerman}},
         "1031",
         "",
         "",
         "",
         {{"Send", "Send"}}},
        {"MappedFileMissingKeepsEnglish",
         {{"LanguageCodes.csv", "1031,German.lang.txt\n"}},
         "1031",
         "",
         "",
         "",
         {{"Send", "Send"}}},
        {"MappedNameDiffersInCaseTakesTheFolderSpelling",
         {{"gErMaN.Lang.Txt", kGerman}, {"LanguageCodes.csv", "1031 , GERMAN.LANG.TXT \n"}},
         "1031",
         "",
         "",
         "gErMaN.Lang.Txt",
         {{"Send", "Senden"}}},
        {"MappedNameDiffersInCaseKeepsLanguageName",
         {{"German.lang.txt", kGerman}, {"LanguageCodes.csv", "1031,german.lang.txt\n"}},
         "1031",
         "",
         "German",
         "German.lang.txt",
         {{"Send", "Senden"}}},
        {"ExtraCommasBelongToTheFileName",
         {{"German.lang.txt", kGerman}, {"LanguageCodes.csv", "1031,German.lang.txt,extra\n"}},
         "1031",
         "",
         "",
         "",
         {{"Send", "Send"}}},
        {"FirstOfDuplicateIdentifiersDecides",
         {{"German.lang.txt", kGerman},
          {"French.lang.txt", kFrench},
          {"LanguageCodes.csv", "1031,French.lang.txt\n1031,German.lang.txt\n"}},
         "1031",
         "",
         "French",
         "French.lang.txt",
         {{"Send", "Envoyer"}}},
        {"IdentifierComparedAsExactDecimalText",
         {{"German.lang.txt", kGerman},
          {"LanguageCodes.csv", "01031,German.lang.txt\n0x407,German.lang.txt\nno comma\n"}},
         "1031",
         "",
         "",
         "",
         {{"Send", "Send"}}},
        {"ExplicitFileNameIsUsedDirectly",
         {{"German.lang.txt", kGerman},
          {"French.lang.txt", kFrench},
          {"LanguageCodes.csv", "1031,German.lang.txt\n"}},
         "1031",
         "French.lang.txt",
         "French",
         "French.lang.txt",
         {{"Send", "Envoyer"}}},
        {"ExplicitFileNameMissingKeepsEnglish",
         {{"German.lang.txt", kGerman}, {"LanguageCodes.csv", "1031,German.lang.txt\n"}},
         "1031",
         "Klingon.lang.txt",
         "",
         "",
         {{"Send", "Send"}}},
        {"BlankFileNameMeansTheAutomaticChoice",
         {{"German.lang.txt", kGerman}, {"LanguageCodes.csv", "1031,German.lang.txt\n"}},
         "1031",
         "   ",
         "German",
         "German.lang.txt",
         {{"Send", "Senden"}}},
        {"NameWithoutDotBeforeLangTxtIsListedWithEmptyName",
         {{"Frenchlang.txt", kFrench}, {"LanguageCodes.csv", "1036,Frenchlang.txt\n"}},
         "1036",
         "",
         "",
         "Frenchlang.txt",
         {{"Send", "Envoyer"}}},
        {"EmptyValueFallsBackToTheKey",
         {{"German.lang.txt", "{Send}\n{OK}Gut\n"}},
         "1031",
         "German.lang.txt",
         "German",
         "German.lang.txt",
         {{"Send", "Send"}, {"OK", "Gut"}}},
        {"LeadingAndTrailingSpacesAreKept",
         {{"German.lang.txt", "{Send} Senden \n"}},
         "1031",
         "German.lang.txt",
         "German",
         "German.lang.txt",
         {{"Send", " Senden "}}},
        {"KeyWithClosingBraceYieldsTheRestAfterTheFirstBrace",
         {{"German.lang.txt", "{a}b}Wert\n"}},
         "1031",
         "German.lang.txt",
         "German",
         "German.lang.txt",
         {{"a}b", "b}Wert"}}},
        {"FirstOfDuplicateKeysWins",
         {{"German.lang.txt", "{Send}Erstens\n{Send}Zweitens\n"}},
         "1031",
         "German.lang.txt",
         "German",
         "German.lang.txt",
         {{"Send", "Erstens"}}},
        {"MatchIsCaseSensitiveOnTheWholePrefix",
         {{"German.lang.txt", "{OK}Gut\n # {Send}comment\n"}},
         "1031",
         "German.lang.txt",
         "German",
         "German.lang.txt",
         {{"ok", "ok"}, {"O", "O"}, {"OK", "Gut"}, {"Send", "Send"}}},
        {"LanguageFileBomIsSkipped",
         {{"German.lang.txt", "\xEF\xBB\xBF{Send}Senden\n"}},
         "1031",
         "German.lang.txt",
         "German",
         "German.lang.txt",
         {{"Send", "Senden"}}},
        {"CarriageReturnOnlyLines",
         {{"German.lang.txt", "{OK}Gut\r{Send}Senden\r{Language}Sprache"}},
         "1031",
         "German.lang.txt",
         "German",
         "German.lang.txt",
         {{"OK", "Gut"}, {"Send", "Senden"}, {"Language", "Sprache"}}},
        {"LanguageFileIsUtf8",
         {{"French.lang.txt", "{Send}Envoyer \xC3\xA0\n"}},
         "1036",
         "French.lang.txt",
         "French",
         "French.lang.txt",
         {{"Send", "Envoyer \xC3\xA0"}}},
        {"CodeListWithUtf8Bom",
         {{"Fran\xC3\xA7"
           "ais.lang.txt",
           kFrench},
          {"LanguageCodes.csv", "\xEF\xBB\xBF"
                                "1036,Fran\xC3\xA7"
                                "ais.lang.txt\r\n"}},
         "1036",
         "",
         "Fran\xC3\xA7"
         "ais",
         "Fran\xC3\xA7"
         "ais.lang.txt",
         {{"Send", "Envoyer"}}},
        {"CodeListWithUtf16LittleEndianBom",
         {{"German.lang.txt", kGerman},
          {"LanguageCodes.csv",
           QByteArray("\xFF\xFE", 2) +
               QByteArray(reinterpret_cast<const char*>(u"1031,German.lang.txt\r\n"), 44)}},
         "1031",
         "",
         "German",
         "German.lang.txt",
         {{"Send", "Senden"}}},
        {"CodeListWithUtf16BigEndianBom",
         {{"German.lang.txt", kGerman},
          {"LanguageCodes.csv", QByteArray("\xFE\xFF\0"
                                           "1\0"
                                           "0\0"
                                           "3\0"
                                           "1\0,\0G\0e\0r\0m\0a\0n\0.\0l\0a\0n\0g\0.\0t\0x\0t",
                                           42)}},
         "1031",
         "",
         "German",
         "German.lang.txt",
         {{"Send", "Senden"}}},
        {"CodeListWithoutBomIsAnsi",
         {{"Fran\xC3\xA7"
           "ais.lang.txt",
           kFrench},
          {"LanguageCodes.csv", "1036,Fran\xE7"
                                "ais.lang.txt\r1031,x\r"}},
         "1036",
         "",
         "Fran\xC3\xA7"
         "ais",
         "Fran\xC3\xA7"
         "ais.lang.txt",
         {{"Send", "Envoyer"}}},
    };
}

class TranslationEngineTest : public testing::TestWithParam<TEngineCase>
{
protected:
    void TearDown() override { InitLanguageIn(QString(), QString(), QString()); }
};

QString MakeFolder(const QTemporaryDir& root, const TEngineCase& engineCase)
{
    const QString folder = root.path() + QStringLiteral("/Languages");
    if (engineCase.Files.empty())
        return folder; // not created
    QDir().mkpath(folder);
    for (const auto& [name, bytes] : engineCase.Files) {
        QFile file(folder + u'/' + QString::fromUtf8(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name;
        file.write(bytes);
    }
    return folder;
}

} // namespace

TEST_P(TranslationEngineTest, InitLanguageAndTranslate)
{
    const TEngineCase& engineCase = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString folder = MakeFolder(root, engineCase);

    InitLanguageIn(folder, S(engineCase.FileName), S(engineCase.LanguageId));

    EXPECT_EQ(LanguagesFolder(), folder);
    QStringList expectedFiles;
    for (const auto& [name, bytes] : engineCase.Files)
        if (QString::fromUtf8(name).endsWith(QStringLiteral("lang.txt"), Qt::CaseInsensitive))
            expectedFiles << QString::fromUtf8(name);
    QStringList files = LanguageFiles();
    files.sort();
    expectedFiles.sort();
    EXPECT_EQ(files, expectedFiles);
    EXPECT_EQ(CurrentLanguage(), S(engineCase.CurrentLanguage));
    const QString active = S(engineCase.ActiveFile);
    EXPECT_EQ(LanguageFile(), active.isEmpty() ? QString() : folder + u'/' + active);
    EXPECT_EQ(LanguageLines().has_value(), !active.isEmpty());
    for (const auto& [key, value] : engineCase.Translations)
        EXPECT_EQ(Translate(S(key)), S(value)) << key;
}

INSTANTIATE_TEST_SUITE_P(Cases, TranslationEngineTest, testing::ValuesIn(EngineCases()),
                         [](const testing::TestParamInfo<TEngineCase>& info) {
                             return std::string(info.param.Name);
                         });

TEST(TranslationEngine, TranslateBeforeInitLanguageAnswersTheKey)
{
    EXPECT_EQ(Translate(QStringLiteral("Send")), QStringLiteral("Send"));
    EXPECT_EQ(FindTranslation(QStringLiteral("Send")), QStringLiteral("Send"));
}

TEST(TranslationEngine, FindTranslationKeepsEmptyValues)
{
    const QStringList lines = {QStringLiteral("{Send}"), QStringLiteral("{OK} Gut"),
                               QStringLiteral("{Send}second")};
    EXPECT_EQ(FindTranslation(QStringLiteral("Send"), lines), QString());
    EXPECT_EQ(FindTranslation(QStringLiteral("OK"), lines), QStringLiteral(" Gut"));
    EXPECT_EQ(FindTranslation(QStringLiteral("Copy"), lines), QStringLiteral("Copy"));
    EXPECT_EQ(FindTranslation(QStringLiteral("Send"), QStringList()), QStringLiteral("Send"));
}

TEST(TranslationEngine, FolderWithoutLanguageFilesHasAnEmptyList)
{
    QTemporaryDir root;
    const QString folder = root.path() + QStringLiteral("/Languages");
    QDir().mkpath(folder);
    QDir().mkpath(folder + QStringLiteral("/Folder.lang.txt")); // a folder is not a file
    InitLanguageIn(folder, QStringLiteral("Folder.lang.txt"), QStringLiteral("1031"));
    EXPECT_TRUE(LanguageFiles().isEmpty());
    EXPECT_TRUE(CurrentLanguage().isEmpty());
    EXPECT_FALSE(LanguageLines().has_value());
}

// What stands under a language file's name and is no readable regular file raises at once,
// a FIFO or a device included, which would otherwise block or never end.
TEST(TranslationEngine, UnreadableLanguageFileRaisesWithTheStateSet)
{
    const struct
    {
        const char* Kind;
        const char* Reason;
    } cases[] = {
        {"/proc/self/mem", "Input/output error"}, // opens, but fails on reading, even for root
        {"/dev/zero", "Not a regular file"},
        {"fifo", "Not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Kind);
        QTemporaryDir root;
        const QString folder = root.path() + QStringLiteral("/Languages");
        QDir().mkpath(folder);
        const QString file = folder + QStringLiteral("/German.lang.txt");
        if (S(c.Kind) == QStringLiteral("fifo"))
            ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else
            ASSERT_TRUE(QFile::link(S(c.Kind), file));
        try {
            InitLanguageIn(folder, QStringLiteral("German.lang.txt"), QStringLiteral("1031"));
            ADD_FAILURE() << "nothing raised";
        } catch (const EZintException& error) {
            EXPECT_EQ(S(error.what()),
                      QStringLiteral("Cannot open file \"%1\". %2").arg(file, S(c.Reason)));
        }
        EXPECT_EQ(CurrentLanguage(), QStringLiteral("German"));
        EXPECT_EQ(LanguageFile(), file);
        ASSERT_TRUE(LanguageLines().has_value());
        EXPECT_TRUE(LanguageLines()->isEmpty());
        EXPECT_EQ(Translate(QStringLiteral("Send")), QStringLiteral("Send"));
    }
    InitLanguageIn(QString(), QString(), QString());
}

// A code list that is a FIFO maps nothing rather than waiting for a writer.
TEST(TranslationEngine, CodeListThatIsNoRegularFileChoosesNoLanguage)
{
    QTemporaryDir root;
    const QString folder = root.path() + QStringLiteral("/Languages");
    QDir().mkpath(folder);
    QFile german(folder + QStringLiteral("/German.lang.txt"));
    ASSERT_TRUE(german.open(QIODevice::WriteOnly));
    german.write(kGerman);
    german.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + QStringLiteral("/LanguageCodes.csv")).constData(),
                       0600),
              0);
    InitLanguageIn(folder, QString(), QStringLiteral("1031"));
    EXPECT_TRUE(LanguageFile().isEmpty());
    EXPECT_EQ(Translate(QStringLiteral("Send")), QStringLiteral("Send"));
}

TEST(TranslationEngine, LanguagesFolderIsBesideTheRunningProgram)
{
    const QString program = RunningProgramFile();
    EXPECT_TRUE(program.endsWith(QStringLiteral("/test_i18n"))) << program.toStdString();
    EXPECT_EQ(LanguagesFolderOf(QStringLiteral("/opt/lintaro/lintaro")),
              QStringLiteral("/opt/lintaro/Languages"));
    InitLanguage(QString());
    EXPECT_EQ(LanguagesFolder(), LanguagesFolderOf(program));
    InitLanguageIn(QString(), QString(), QString());
}
