#include "render/length_text.h"

#include <array>
#include <cmath>

namespace {
struct TUnitSuffix
{
    const char* Suffix;
    TLengthUnit Unit;
    const char* Name;
};

// "mm" before "m": the longer suffix wins.
constexpr std::array<TUnitSuffix, 4> Suffixes{{{"mm", TLengthUnit::luMillimetres, "millimetres"},
                                               {"in", TLengthUnit::luInches, "inches"},
                                               {"px", TLengthUnit::luPixels, "pixels"},
                                               {"m", TLengthUnit::luModules, "modules"}}};

const TUnitSuffix& SuffixOf(TLengthUnit unit)
{
    for (const TUnitSuffix& suffix : Suffixes)
        if (suffix.Unit == unit)
            return suffix;
    return Suffixes.front();
}

TLengthReading Refused(const QString& message)
{
    return {std::nullopt, message};
}
} // namespace

TLengthReading ReadLength(const QString& text, const QLocale& locale, const TLengthRules& rules)
{
    QString number = text.trimmed();
    if (number.isEmpty() && rules.EmptyIsZero)
        return {TLength{0, rules.Bare}, {}};
    if (number.isEmpty())
        return Refused(QStringLiteral("a length is needed"));
    TLengthUnit unit = rules.Bare;
    for (const TUnitSuffix& suffix : Suffixes) {
        if (number.endsWith(QLatin1String(suffix.Suffix), Qt::CaseInsensitive)) {
            unit = suffix.Unit;
            number.chop(qsizetype(qstrlen(suffix.Suffix)));
            number = number.trimmed();
            break;
        }
    }
    const QString unitName =
        QLatin1String(rules.Noun && unit == rules.Bare ? rules.Noun : SuffixOf(unit).Name);
    if (!(rules.Units & LengthUnitBit(unit)))
        return Refused(QStringLiteral("a length in %1 is not taken here").arg(unitName));
    QLocale reader = locale;
    reader.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = reader.toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return Refused(QStringLiteral("\"%1\" is not a number").arg(text.trimmed()));
    if (value < 0)
        return Refused(QStringLiteral("a length cannot be negative"));
    if (value == 0 && !rules.ZeroAllowed)
        return Refused(QStringLiteral("the length must be above 0"));
    if (value > rules.Max)
        return Refused(
            QStringLiteral("at most %1 %2").arg(LengthNumberText(rules.Max, locale), unitName));
    if ((rules.WholeUnits & LengthUnitBit(unit)) && value != std::floor(value))
        return Refused(QStringLiteral("a whole number of %1 is needed").arg(unitName));
    return {TLength{value, unit}, {}};
}

QString LengthNumberText(double value, const QLocale& locale)
{
    QLocale writer = locale;
    writer.setNumberOptions(QLocale::OmitGroupSeparator);
    return writer.toString(value, 'g', 15);
}
