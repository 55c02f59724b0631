// The language files the program ships (Languages/ in the repository).
#include "i18n/translation_engine.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <unicode/uloc.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QString kFolder = QStringLiteral(LINTARO_LANGUAGES_DIR);

// The complete vocabulary of Part 5.1, "INFO:Translated By" checked on its own.
const char* const kVocabulary[] = {"Language",
                                   "User Interface Language:",
                                   "Translated by:",
                                   "OK",
                                   "Contribute to Translation",
                                   "Copy",
                                   "Select All",
                                   "Yes",
                                   "No",
                                   "Confirmation",
                                   "Restart Application?",
                                   "UPDATE AVAILABLE",
                                   "Click to download",
                                   "feedback",
                                   "We would really appreciate your feedback.",
                                   "What did you like or dislike?",
                                   "Include my e-mail:",
                                   "Send",
                                   "I like it!",
                                   "I dislike it!",
                                   "Success",
                                   "Your feedback is received.",
                                   "Thank you!",
                                   "Failure",
                                   "Something went wrong. Your feedback could not be delivered.",
                                   "Please try again later.",
                                   "Invalid e-mail address!",
                                   "About %s",
                                   "Info",
                                   "Acknowledgements...",
                                   "How to uninstall...",
                                   "License...",
                                   "License",
                                   "File not found!"};

struct TShippedLanguage
{
    const char* Name;
    const char* EnglishName;             // named in the file's comment line
    const char* IsoLanguage;             // what ICU says the file's identifiers are
    std::set<std::string> SameAsEnglish; // words the language itself uses as in English
};

// The languages of the flag table of Part 5.2, English aside.
const std::vector<TShippedLanguage>& ShippedLanguages()
{
    static const std::vector<TShippedLanguage> languages = {
        {"German", "German", "de", {"OK", "Info"}},
        {"French", "French", "fr", {"OK", "Confirmation"}},
        {"Turkish", "Turkish", "tr", {}},
        {"Albanian", "Albanian", "sq", {"OK"}},
        {"Arabic", "Arabic", "ar", {}},
        {"Bulgarian", "Bulgarian", "bg", {"OK"}},
        {"ChineseSimplified", "Chinese (Simplified)", "zh", {}},
        {"ChineseTraditional", "Chinese (Traditional)", "zh", {}},
        {"Czech", "Czech", "cs", {"OK"}},
        {"Dutch", "Dutch", "nl", {"OK", "feedback", "Info"}},
        {"Finnish", "Finnish", "fi", {"OK"}},
        {"Greek", "Greek", "el", {"OK"}},
        {"Hebrew", "Hebrew", "he", {}},
        {"Hungarian", "Hungarian", "hu", {"OK"}},
        {"Abkhazian", "Abkhazian", "ab", {}},
        {"Catalan", "Catalan", "ca", {"No"}},
        {"Italian", "Italian", "it", {"OK", "No", "feedback", "Info"}},
        {"Japanese", "Japanese", "ja", {"OK"}},
        {"Korean", "Korean", "ko", {}},
        {"Persian", "Persian", "fa", {}},
        {"Polish", "Polish", "pl", {"OK"}},
        {"PortugueseBrazil", "Portuguese (Brazil)", "pt", {"OK"}},
        {"PortuguesePortugal", "Portuguese (Portugal)", "pt", {"OK"}},
        {"Romanian", "Romanian", "ro", {"OK"}},
        {"Russian", "Russian", "ru", {}},
        {"Slovenian", "Slovenian", "sl", {}},
        {"Spanish", "Spanish", "es", {"No"}},
        {"Swedish", "Swedish", "sv", {"OK", "Info"}},
        {"Ukrainian", "Ukrainian", "uk", {"OK"}},
        {"Vietnamese", "Vietnamese", "vi", {"OK"}},
        {"Slovak", "Slovak", "sk", {"OK"}},
        {"Norwegian", "Norwegian (Bokmål)", "nb", {"OK", "Send", "Info"}},
    };
    return languages;
}

// Abkhazian has no Windows language identifier (Windows gives such locales 0x1000, shared by
// every custom locale; ICU knows none), so only the language dialog reaches it.
bool HasLanguageId(const std::string& name)
{
    return name != "Abkhazian";
}

// The usable lines of LanguageCodes.csv as identifier -> file name, in order.
std::vector<std::pair<QString, QString>> CodeList()
{
    QFile file(kFolder + QStringLiteral("/LanguageCodes.csv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<std::pair<QString, QString>> rows;
    for (const QString& line : SplitLanguageLines(file.readAll())) {
        const qsizetype comma = line.indexOf(u',');
        if (comma >= 0)
            rows.emplace_back(line.left(comma).trimmed(), line.mid(comma + 1).trimmed());
    }
    return rows;
}

class ShippedLanguageTest : public testing::TestWithParam<TShippedLanguage>
{};

} // namespace

TEST_P(ShippedLanguageTest, TranslatesEveryKeyOfTheVocabulary)
{
    const TShippedLanguage& language = GetParam();
    const QString fileName = QString::fromLatin1(language.Name) + QStringLiteral(".lang.txt");
    const QStringList lines = ReadLanguageFile(kFolder + u'/' + fileName);

    EXPECT_EQ(FindTranslation(QStringLiteral("INFO:Translated By"), lines),
              QStringLiteral("Kelmora"));
    EXPECT_TRUE(lines.contains(QStringLiteral("; Lintaro language file: ") +
                               QString::fromUtf8(language.EnglishName)));
    QSet<QString> keys;
    for (const QString& line : lines) {
        if (!line.startsWith(u'{'))
            continue;
        const QString key = line.mid(1, line.indexOf(u'}') - 1);
        EXPECT_FALSE(keys.contains(key)) << "duplicate " << key.toStdString();
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), qsizetype(std::size(kVocabulary)) + 1);

    for (const char* key : kVocabulary) {
        const QString english = QString::fromLatin1(key);
        const QString value = FindTranslation(english, lines);
        EXPECT_FALSE(value.trimmed().isEmpty()) << key;
        EXPECT_EQ(value, value.trimmed()) << key;
        EXPECT_EQ(value == english, language.SameAsEnglish.count(key) == 1) << key;
    }
    const QString about = FindTranslation(QStringLiteral("About %s"), lines);
    EXPECT_EQ(about.count(QStringLiteral("%s")), 1);
    EXPECT_EQ(about.count(u'%'), 1);
}

TEST_P(ShippedLanguageTest, ActiveThroughItsIdentifiersAndByName)
{
    const TShippedLanguage& language = GetParam();
    const QString fileName = QString::fromLatin1(language.Name) + QStringLiteral(".lang.txt");
    int identifiers = 0;
    for (const auto& [id, file] : CodeList()) {
        if (file != fileName)
            continue;
        ++identifiers;
        InitLanguageIn(kFolder, QString(), id);
        EXPECT_EQ(CurrentLanguage(), QString::fromLatin1(language.Name)) << id.toStdString();
        // ICU agrees that the identifier is one of this language's.
        char locale[ULOC_FULLNAME_CAPACITY] = {};
        char iso[ULOC_LANG_CAPACITY] = {};
        UErrorCode status = U_ZERO_ERROR;
        uloc_getLocaleForLCID(id.toUInt(), locale, sizeof locale, &status);
        uloc_getLanguage(locale, iso, sizeof iso, &status);
        const std::string expected = language.IsoLanguage;
        // Norwegian Nynorsk and Dari read the Bokmål and Persian files.
        const std::set<std::string> accepted = expected == "nb" ? std::set<std::string>{"nb", "nn"}
                                               : expected == "fa"
                                                   ? std::set<std::string>{"fa", "prs"}
                                                   : std::set<std::string>{expected};
        EXPECT_EQ(accepted.count(iso), 1u) << id.toStdString() << " is " << locale;
    }
    EXPECT_EQ(identifiers > 0, HasLanguageId(language.Name));

    InitLanguageIn(kFolder, fileName, QStringLiteral("1033"));
    EXPECT_EQ(CurrentLanguage(), QString::fromLatin1(language.Name));
    EXPECT_NE(Translate(QStringLiteral("Restart Application?")),
              QStringLiteral("Restart Application?"));
    InitLanguageIn(QString(), QString(), QString());
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageTest, testing::ValuesIn(ShippedLanguages()),
                         [](const testing::TestParamInfo<TShippedLanguage>& info) {
                             return std::string(info.param.Name);
                         });

TEST(LanguageCodes, IdentifiersAreUniqueAndNameShippedFiles)
{
    std::set<QString> ids;
    std::set<std::string> shipped;
    for (const TShippedLanguage& language : ShippedLanguages())
        shipped.insert(std::string(language.Name) + ".lang.txt");
    const auto rows = CodeList();
    EXPECT_FALSE(rows.empty());
    for (const auto& [id, file] : rows) {
        EXPECT_TRUE(ids.insert(id).second) << "duplicate " << id.toStdString();
        EXPECT_EQ(id, QString::number(id.toUInt())) << id.toStdString();
        EXPECT_EQ(shipped.count(file.toStdString()), 1u) << file.toStdString();
    }
    // German in its common regions, as the issue names them.
    for (const char* id : {"1031", "2055", "3079", "4103", "5127"})
        EXPECT_EQ(ids.count(QString::fromLatin1(id)), 1u) << id;
    // English is the language without a file: no identifier maps US English anywhere.
    EXPECT_EQ(ids.count(QStringLiteral("1033")), 0u);
}

TEST(LanguageCodes, FolderHoldsExactlyTheShippedFiles)
{
    InitLanguageIn(kFolder, QString(), QStringLiteral("1033"));
    QStringList files = LanguageFiles();
    files.sort();
    QStringList expected;
    for (const TShippedLanguage& language : ShippedLanguages())
        expected << QString::fromLatin1(language.Name) + QStringLiteral(".lang.txt");
    expected.sort();
    EXPECT_EQ(files, expected);
    EXPECT_TRUE(CurrentLanguage().isEmpty());
    InitLanguageIn(QString(), QString(), QString());
}
