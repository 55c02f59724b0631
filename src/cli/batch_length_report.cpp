#include "cli/batch_length_report.h"

#include "render/setting_lengths.h"

#include <cmath>

namespace {
QString UnitSuffix(const TDrawnLength& length)
{
    return length.Inches ? QStringLiteral("in") : QStringLiteral("mm");
}

// "4 dots at 600 dpi: 0.169 mm, 11 % under"
QString DrawnAs(const TDrawnLength& length, int dpi)
{
    const int percent = int(std::lround(std::abs(length.Deviation()) * 100));
    return QStringLiteral("%1 dots at %2 dpi: %3 %4, %5 % %6")
        .arg(length.DrawnDots)
        .arg(dpi)
        .arg(length.Drawn, 0, 'f', length.Inches ? 4 : 3)
        .arg(UnitSuffix(length))
        .arg(percent)
        .arg(length.Deviation() < 0 ? QStringLiteral("under") : QStringLiteral("over"));
}

QString Asked(const char* option, const TDrawnLength& length)
{
    return QStringLiteral("--%1 %2%3")
        .arg(QLatin1String(option))
        .arg(length.Asked, 0, 'g', 6)
        .arg(UnitSuffix(length));
}
} // namespace

TLengthReport ReportDrawnLengths(const TRenderSettings& settings)
{
    TLengthReport report;
    const std::optional<TDrawnLength> module = DrawnModuleWidth(settings);
    if (module && IsUnderOneDot(*module)) {
        report.Error = QStringLiteral("%1 is %2 dots at %3 dpi: a module cannot be narrower than "
                                      "one dot; give a wider module or a higher --dpi.")
                           .arg(Asked("module", *module))
                           .arg(module->Dots, 0, 'f', 2)
                           .arg(settings.Dpi);
        return report;
    }
    const std::pair<const char*, std::optional<TDrawnLength>> lengths[] = {
        {"module", module}, {"bar-height", DrawnBarHeight(settings)}};
    for (const auto& [option, length] : lengths)
        if (length && StraysFromAsked(*length))
            report.Warnings << QStringLiteral("%1 is drawn as %2.")
                                   .arg(Asked(option, *length), DrawnAs(*length, settings.Dpi));
    return report;
}
