#include "band_side_cases.h"

#include "render/length_text.h"
#include "render/setting_lengths.h"

#include <gtest/gtest.h>

namespace {

struct TRulesCase
{
    const char* Text;
    const TLengthRules* Rules;
    std::optional<double> Value;
    TLengthUnit Unit = TLengthUnit::luPixels;
};

std::string Describe(const char* text, QLocale::Language language)
{
    return '"' + std::string(text) + "\" in " + QLocale(language).name().toStdString();
}

TEST(LengthText, BandSidesReadInTheGivenLocale)
{
    for (const TBandSideCase& test : BandSideCases) {
        const TLengthReading reading =
            ReadLength(QLatin1String(test.Text), QLocale(test.Language), BandSideRules);
        const std::string what = Describe(test.Text, test.Language);
        ASSERT_EQ(reading.Length.has_value(), test.Value.has_value()) << what;
        if (!test.Value) {
            EXPECT_FALSE(reading.Error.isEmpty()) << what;
            continue;
        }
        EXPECT_TRUE(reading.Error.isEmpty()) << what;
        EXPECT_EQ(reading.Length->Value, *test.Value) << what;
        EXPECT_EQ(reading.Length->Unit, test.Unit) << what;
    }
}

TEST(LengthText, EachSettingTakesItsOwnUnitsAndBounds)
{
    const TLengthRules modulesOnly = RulesIn(BarHeightRules, TLengthUnit::luModules);
    const TRulesCase cases[] = {
        {"0.33mm", &ModuleSizeRules, 0.33, TLengthUnit::luMillimetres},
        {"0.013IN", &ModuleSizeRules, 0.013, TLengthUnit::luInches},
        {"2", &ModuleSizeRules, 2},
        {"2px", &ModuleSizeRules, 2},
        // A module is drawn in whole pixels: a fraction is refused, not rounded.
        {"2.5", &ModuleSizeRules, std::nullopt},
        {"10m", &ModuleSizeRules, std::nullopt},
        {"0", &ModuleSizeRules, std::nullopt},
        {"0mm", &ModuleSizeRules, std::nullopt},
        {"1e30mm", &ModuleSizeRules, std::nullopt},
        {"", &ModuleSizeRules, std::nullopt},
        {"50", &BarHeightRules, 50, TLengthUnit::luModules},
        {"10m", &BarHeightRules, 10, TLengthUnit::luModules},
        {"15 mm", &BarHeightRules, 15, TLengthUnit::luMillimetres},
        {"50.5", &BarHeightRules, std::nullopt},
        {"50px", &BarHeightRules, std::nullopt},
        {"6m", &CaptionSizeRules, 6, TLengthUnit::luModules},
        {"12.5", &CaptionSizeRules, 12.5},
        {"303", &ImageSideRules, 303},
        {"32768", &ImageSideRules, std::nullopt},
        {"-0", &ImageSideRules, std::nullopt},
        {"50", &modulesOnly, 50, TLengthUnit::luModules},
        {"50mm", &modulesOnly, std::nullopt},
    };
    for (const TRulesCase& test : cases) {
        const TLengthReading reading =
            ReadLength(QLatin1String(test.Text), QLocale::c(), *test.Rules);
        ASSERT_EQ(reading.Length.has_value(), test.Value.has_value()) << test.Text;
        EXPECT_EQ(reading.Error.isEmpty(), test.Value.has_value()) << test.Text;
        if (test.Value) {
            EXPECT_EQ(reading.Length->Value, *test.Value) << test.Text;
            EXPECT_EQ(reading.Length->Unit, test.Unit) << test.Text;
        }
    }
}

TEST(LengthText, WrittenNumbersReadBackInTheirLocale)
{
    for (const QLocale::Language language : {QLocale::C, QLocale::German, QLocale::English}) {
        const QLocale locale(language);
        for (const double value : {0.0, 0.33, 2.5, 1234.5, 32767.0}) {
            const TLengthReading reading =
                ReadLength(LengthNumberText(value, locale), locale, BandSideRules);
            ASSERT_TRUE(reading.Length) << value << ' ' << locale.name().toStdString();
            EXPECT_EQ(reading.Length->Value, value);
        }
    }
}

} // namespace
