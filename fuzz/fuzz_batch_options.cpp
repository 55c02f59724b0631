#include "fuzz_support.h"

#include "cli/batch_options.h"
#include "cli/batch_values.h"

#include <cmath>

namespace {
// Each value reader either reads a value inside the bounds it promises or reads nothing.
void ReadSingleValue(const QString& text)
{
    if (const auto size = ParseSize(text))
        FuzzCheck(size->width() > 0 && size->height() > 0, "a size not above 0");
    if (const auto jobs = ParseJobCount(text))
        FuzzCheck(*jobs >= 1 && *jobs <= 256, "a job count out of range");
    if (const auto value = ParseModuleWidthLimit(text))
        FuzzCheck(std::isfinite(*value) && *value >= 0, "a negative or infinite module width");
    if (const auto value = ParseHexagonScale(text))
        FuzzCheck(std::isfinite(*value) && *value > 0, "a hexagon scale not above 0");
    if (const auto dpi = ParseDpi(text))
        FuzzCheck(*dpi >= 1 && *dpi <= MaxDpi, "a resolution out of range");
    if (const auto box = ParseBox(text))
        for (const TRenderSide& side : {box->Top, box->Left, box->Right, box->Bottom})
            FuzzCheck(std::isfinite(side.TargetUnits) && std::isfinite(side.Modules),
                      "a band side that is not finite");
    ParseImageExtension(text);
    ParseTextEncoding(text);
    ParseColor(text);
    ParseFont(text);
    ParseAdjustMode(text);
    ParseHAlign(text);
    ParseVAlign(text);
    PropertyValue(text);

    TRenderSettings settings;
    ParseImageSize(text, settings);
    ParseModuleSize(text, settings);
    ParseBarHeight(text, settings);
    ParseQuietZones(text, settings);
    ParseCaptionSize(text, settings);
}
} // namespace

// The input is a command line, its arguments separated by NUL bytes: the whole line is parsed
// as lintaro-batch parses it (every --option tried on a symbol), and each argument is also
// read by every single-value reader.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EnsureFuzzApplication();
    QStringList arguments{QStringLiteral("lintaro-batch")};
    for (const QByteArray& argument : FuzzBytes(data, size).split('\0'))
        arguments << QString::fromUtf8(argument);

    const TBatchParseResult result = ParseBatchOptions(arguments);
    FuzzCheck(result.Command != TBatchCommand::bcUsageError || !result.Text.isEmpty(),
              "a usage error without a message");
    for (qsizetype index = 1; index < arguments.size(); ++index)
        ReadSingleValue(arguments[index]);
    return 0;
}
