// What the program knows of each language beyond its texts (src/i18n/language_locales.cpp).
#include "i18n/language_locales.h"

#include <QDir>

#include <gtest/gtest.h>

#include <set>

TEST(LanguageLocales, ListNamesAreEachLanguagesOwn)
{
    const std::pair<const char*, const char*> names[] = {
        {"German", "Deutsch"},
        {"French", "Français"},
        {"ChineseSimplified", "中文（简体）"},
        {"ChineseTraditional", "中文（繁體）"},
        {"PortugueseBrazil", "Português (Brasil)"},
        {"PortuguesePortugal", "Português (Portugal)"},
        {"Arabic", "العربية"},
        {"Japanese", "日本語"},
        {"Norwegian", "Norsk bokmål"},
        {"English", "English"},
        // Not a shipped language: its file name is all there is to show.
        {"Klingon", "Klingon"},
    };
    for (const auto& [file, own] : names)
        EXPECT_EQ(OwnLanguageName(QString::fromLatin1(file)), QString::fromUtf8(own)) << file;
}

TEST(LanguageLocales, EveryShippedLanguageHasALocaleAndANameOfItsOwn)
{
    const QStringList files = QDir(QStringLiteral(LINTARO_LANGUAGES_DIR))
                                  .entryList({QStringLiteral("*.lang.txt")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    std::set<QString> shown;
    for (const QString& file : files) {
        const QString language = file.section(u'.', 0, 0);
        EXPECT_FALSE(LocaleOfLanguage(language).isEmpty()) << language.toStdString();
        // Two languages under one name could not be told apart in the list.
        EXPECT_TRUE(shown.insert(OwnLanguageName(language)).second) << language.toStdString();
    }
}

TEST(LanguageLocales, RightToLeftLanguagesAreTheOnesWrittenSo)
{
    const QStringList files = QDir(QStringLiteral(LINTARO_LANGUAGES_DIR))
                                  .entryList({QStringLiteral("*.lang.txt")}, QDir::Files);
    const std::set<QString> rightToLeft{QStringLiteral("Arabic"), QStringLiteral("Hebrew"),
                                        QStringLiteral("Persian")};
    for (const QString& file : files) {
        const QString language = file.section(u'.', 0, 0);
        EXPECT_EQ(IsRightToLeftLanguage(language), rightToLeft.count(language) == 1)
            << language.toStdString();
    }
    EXPECT_FALSE(IsRightToLeftLanguage(QStringLiteral("English")));
    EXPECT_FALSE(IsRightToLeftLanguage(QStringLiteral("Klingon")));
}
