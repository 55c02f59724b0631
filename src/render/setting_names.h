#pragma once

#include "render/length_text.h"
#include "render/render_settings.h"
#include "render/zint_render_types.h"

#include <QString>

#include <cstddef>
#include <optional>

// Every choice of the render settings with the name it is written as (the batch tool's options
// and the stored settings take these, letter case ignored) and the caption a list shows.
template <typename TEnum> struct TSettingName
{
    TEnum Value;
    const char* Name;
    const char* Label;
};

template <typename TEnum> struct TSettingNames
{
    const TSettingName<TEnum>* First;
    std::size_t Count;

    const TSettingName<TEnum>* begin() const { return First; }
    const TSettingName<TEnum>* end() const { return First + Count; }
};

extern const TSettingNames<TZintRenderAdjustMode> AdjustModeNames;
extern const TSettingNames<TZintHAlign> HAlignNames;
extern const TSettingNames<TZintVAlign> VAlignNames;
extern const TSettingNames<TImageSizeMode> ImageSizeNames;
extern const TSettingNames<TModuleSizeMode> ModuleSizeNames;
extern const TSettingNames<TBarHeightMode> BarHeightNames;
extern const TSettingNames<TQuietZoneMode> QuietZoneNames;
extern const TSettingNames<TCaptionSizeMode> CaptionSizeNames;
// The unit of a band's sides.
extern const TSettingNames<TLengthUnit> BandUnitNames;

template <typename TEnum>
std::optional<TEnum> SettingByName(TSettingNames<TEnum> names, const QString& text)
{
    for (const TSettingName<TEnum>& entry : names)
        if (text.compare(QLatin1String(entry.Name), Qt::CaseInsensitive) == 0)
            return entry.Value;
    return std::nullopt;
}

template <typename TEnum> QString SettingName(TSettingNames<TEnum> names, TEnum value)
{
    for (const TSettingName<TEnum>& entry : names)
        if (entry.Value == value)
            return QLatin1String(entry.Name);
    return {};
}
