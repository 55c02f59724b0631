// The language files the program ships (Languages/ in the repository).
#include "i18n/translation_engine.h"
#include "i18n/user_language.h"
#include "support/program_vocabulary.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <unicode/uloc.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QString kFolder = QStringLiteral(LINTARO_LANGUAGES_DIR);

struct TShippedLanguage
{
    const char* Name;
    const char* EnglishName;             // named in the file's comment line
    const char* IsoLanguage;             // what ICU says the file's identifiers are
    std::set<std::string> SameAsEnglish; // words the language itself writes as English does
};

// The languages of the language dialog's flag table, English aside.
const std::vector<TShippedLanguage>& ShippedLanguages()
{
    static const std::vector<TShippedLanguage> languages = {
        {"German",
         "German",
         "de",
         {"OK", "Info", "Standard", "Fuchsia", "Text", "Link", "&100 %", "Linear"}},
        {"French",
         "French",
         "fr",
         {"OK", "Confirmation", "Pixels", "Standard", "Modules", "Olive", "Fuchsia", "Base"}},
        {"Turkish", "Turkish", "tr", {}},
        {"Albanian", "Albanian", "sq", {"OK", "Standard"}},
        {"Arabic", "Arabic", "ar", {}},
        {"Bulgarian", "Bulgarian", "bg", {"OK"}},
        {"ChineseSimplified", "Chinese (Simplified)", "zh", {}},
        {"ChineseTraditional", "Chinese (Traditional)", "zh", {}},
        {"Czech", "Czech", "cs", {"OK", "Text", "&100 %"}},
        {"Dutch",
         "Dutch",
         "nl",
         {"OK", "Info", "Help", "Pixels", "Modules", "Fuchsia", "Aqua", "&Help", "Product:"}},
        {"Finnish", "Finnish", "fi", {"OK", "&100 %"}},
        {"Greek", "Greek", "el", {"OK"}},
        {"Hebrew", "Hebrew", "he", {}},
        {"Hungarian", "Hungarian", "hu", {"OK"}},
        {"Abkhazian", "Abkhazian", "ab", {}},
        {"Catalan", "Catalan", "ca", {"No", "Base", "Text", "&100 %"}},
        {"Italian",
         "Italian",
         "it",
         {"OK", "No", "Info", "File", "Standard", "Lime", "Base", "&File"}},
        {"Japanese", "Japanese", "ja", {"OK"}},
        {"Korean", "Korean", "ko", {}},
        {"Persian", "Persian", "fa", {}},
        {"Polish", "Polish", "pl", {"OK", "Standard"}},
        {"PortugueseBrazil", "Portuguese (Brazil)", "pt", {"OK", "Pixels", "Base", "Link"}},
        {"PortuguesePortugal", "Portuguese (Portugal)", "pt", {"OK", "Base"}},
        {"Romanian", "Romanian", "ro", {"OK", "Standard", "Font", "Text", "Link"}},
        {"Russian", "Russian", "ru", {}},
        {"Slovenian", "Slovenian", "sl", {"&100 %"}},
        {"Spanish", "Spanish", "es", {"No", "Base", "&100 %"}},
        {"Swedish",
         "Swedish",
         "sv",
         {"OK", "Info", "Standard", "Silver", "Fuchsia", "Text", "&100 %"}},
        {"Ukrainian", "Ukrainian", "uk", {"OK"}},
        {"Vietnamese", "Vietnamese", "vi", {"OK"}},
        {"Slovak", "Slovak", "sk", {"OK", "Text", "&100 %"}},
        {"Norwegian", "Norwegian (Bokmål)", "nb", {"OK", "Send", "Info", "Standard", "&100 %"}},
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

// The %1, %s and %v of a text, in order of their numbers.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|s|v|m)"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

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

    // The lines a translator adds, listed whole so that the next pass can take them as they are.
    QString missing;
    for (const QString& english : ProgramVocabulary()) {
        EXPECT_FALSE(english.contains(u'\n'))
            << "no line of a file can hold " << english.toStdString();
        if (!keys.contains(english)) {
            missing += u'{' + english + QStringLiteral("}\n");
            continue;
        }
        const std::string key = english.toStdString();
        const QString value = FindTranslation(english, lines);
        EXPECT_FALSE(value.trimmed().isEmpty()) << key;
        EXPECT_EQ(value, value.trimmed()) << key;
        EXPECT_EQ(value == english.trimmed(), language.SameAsEnglish.count(key) == 1) << key;
        EXPECT_EQ(Placeholders(value), Placeholders(english))
            << key << " -> " << value.toStdString();
    }
    EXPECT_TRUE(missing.isEmpty()) << fileName.toStdString() << " lacks:\n"
                                   << missing.toStdString();
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
        // Norwegian Nynorsk and Dari read the Bokmål and Persian files; the language-only
        // Norwegian identifier is ICU's "no".
        const std::set<std::string> accepted =
            expected == "nb"   ? std::set<std::string>{"nb", "nn", "no"}
            : expected == "fa" ? std::set<std::string>{"fa", "prs"}
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

// Locales whose region has no row of its own, and region identifiers Windows reports for
// them: each takes its language's main file.
TEST(LanguageCodes, RegionsWithoutARowTakeTheirLanguagesFile)
{
    const std::pair<const char*, const char*> locales[] = {
        {"ru_UA", "Russian"}, {"ru_KZ", "Russian"}, {"ru_BY", "Russian"},
        {"el_CY", "Greek"},   {"tr_CY", "Turkish"}, {"ca_AD", "Catalan"},
        {"ca_FR", "Catalan"}, {"de_IT", "German"},  {"sv_AX", "Swedish"},
        {"nl_SR", "Dutch"},   {"it_SM", "Italian"}, {"sq_MK", "Albanian"},
        {"es_GQ", "Spanish"}, {"ar_SD", "Arabic"},  {"pt_AO", "PortuguesePortugal"},
        {"fr_RE", "French"},  {"es_CU", "Spanish"}, {"zh_Hant_HK", "ChineseTraditional"},
        {"ru", "Russian"},    {"he", "Hebrew"},     {"pt", "PortugueseBrazil"},
    };
    for (const auto& [locale, file] : locales) {
        const QString id = LanguageIdOfLocale(QString::fromLatin1(locale));
        InitLanguageIn(kFolder, QString(), id);
        EXPECT_EQ(CurrentLanguage(), QString::fromLatin1(file))
            << locale << " is " << id.toStdString();
    }
    const std::pair<int, const char*> ids[] = {
        {8204, "French"},
        {9228, "French"},
        {10252, "French"},
        {11276, "French"},
        {12300, "French"},
        {14348, "French"},
        {15372, "French"},
        {23562, "Spanish"},
        {25, "Russian"},
        {22, "PortuguesePortugal"},
        {4, "ChineseSimplified"},
        {31748, "ChineseTraditional"},
        {1, "Arabic"},
    };
    for (const auto& [id, file] : ids) {
        InitLanguageIn(kFolder, QString(), QString::number(id));
        EXPECT_EQ(CurrentLanguage(), QString::fromLatin1(file)) << id;
    }
    // English and unknown identifiers keep the program in English.
    for (const char* id : {"1033", "2057", "0", "1279"}) {
        InitLanguageIn(kFolder, QString(), QString::fromLatin1(id));
        EXPECT_TRUE(CurrentLanguage().isEmpty()) << id;
    }
    InitLanguageIn(QString(), QString(), QString());
}
