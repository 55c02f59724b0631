#include "i18n/user_language.h"

#include <gtest/gtest.h>

namespace {
struct TLocaleCase
{
    const char* Locale;
    const char* LanguageId;
};

class UserLanguageTest : public testing::TestWithParam<TLocaleCase>
{};
} // namespace

TEST_P(UserLanguageTest, LocaleMapsToTheWindowsLanguageIdentifierInDecimal)
{
    EXPECT_EQ(LanguageIdOfLocale(QString::fromLatin1(GetParam().Locale)),
              QString::fromLatin1(GetParam().LanguageId));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, UserLanguageTest,
    testing::Values(
        TLocaleCase{"C", "1033"}, TLocaleCase{"POSIX", "1033"}, TLocaleCase{"C.UTF-8", "1033"},
        TLocaleCase{"en_US", "1033"}, TLocaleCase{"de", "1031"}, TLocaleCase{"de_DE.UTF-8", "1031"},
        TLocaleCase{"de-CH", "2055"}, TLocaleCase{"de_AT@euro", "3079"},
        TLocaleCase{"fr_FR", "1036"}, TLocaleCase{"fr_CA", "3084"}, TLocaleCase{"pt_BR", "1046"},
        TLocaleCase{"pt_PT", "2070"}, TLocaleCase{"zh_CN", "2052"}, TLocaleCase{"zh_TW", "1028"},
        TLocaleCase{"tr_TR", "1055"}, TLocaleCase{"fr", "1036"}, TLocaleCase{"zh-Hant-TW", "1028"},
        TLocaleCase{"zh_Hans", "2052"}, TLocaleCase{"zh", "2052"}, TLocaleCase{"sv", "1053"},
        TLocaleCase{"nb", "1044"}, TLocaleCase{"ja", "1041"}, TLocaleCase{"ca", "1027"}));
