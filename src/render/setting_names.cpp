#include "render/setting_names.h"

#include <iterator>

namespace {

constexpr TSettingName<TZintRenderAdjustMode> AdjustModes[] = {
    {TZintRenderAdjustMode::ramScale, "scale", "Scale"},
    {TZintRenderAdjustMode::ramInflate, "inflate", "Inflate Image"}};
constexpr TSettingName<TZintHAlign> HAligns[] = {{TZintHAlign::haLeft, "left", "Left"},
                                                 {TZintHAlign::haCenter, "center", "Center"},
                                                 {TZintHAlign::haRight, "right", "Right"}};
constexpr TSettingName<TZintVAlign> VAligns[] = {{TZintVAlign::vaTop, "top", "Top"},
                                                 {TZintVAlign::vaCenter, "center", "Center"},
                                                 {TZintVAlign::vaBottom, "bottom", "Bottom"}};
constexpr TSettingName<TImageSizeMode> ImageSizes[] = {
    {TImageSizeMode::ismFitSymbol, "fit", "Fit symbol"},
    {TImageSizeMode::ismPreviewArea, "preview", "Preview area"},
    {TImageSizeMode::ismFixed, "fixed", "Fixed (W x H)"}};
constexpr TSettingName<TModuleSizeMode> ModuleSizes[] = {
    {TModuleSizeMode::msmPixels, "pixels", "Pixels"},
    {TModuleSizeMode::msmMillimetres, "mm", "Millimetres"},
    {TModuleSizeMode::msmInches, "in", "Inches"},
    {TModuleSizeMode::msmFit, "fit", "Fit"}};
constexpr TSettingName<TBarHeightMode> BarHeights[] = {
    {TBarHeightMode::bhmStandard, "standard", "Standard"},
    {TBarHeightMode::bhmModules, "modules", "Modules"},
    {TBarHeightMode::bhmMillimetres, "mm", "Millimetres"},
    {TBarHeightMode::bhmInches, "in", "Inches"},
    {TBarHeightMode::bhmFill, "fill", "Fill"}};
constexpr TSettingName<TQuietZoneMode> QuietZones[] = {
    {TQuietZoneMode::qzmStandard, "standard", "Standard"},
    {TQuietZoneMode::qzmNone, "none", "None"}};
constexpr TSettingName<TCaptionSizeMode> CaptionSizes[] = {
    {TCaptionSizeMode::csmFont, "font", "Font"},
    {TCaptionSizeMode::csmPixels, "pixels", "Pixels"},
    {TCaptionSizeMode::csmModules, "modules", "Share of module"}};
constexpr TSettingName<TLengthUnit> BandUnits[] = {{TLengthUnit::luModules, "modules", "Modules"},
                                                   {TLengthUnit::luPixels, "pixels", "Pixels"}};
} // namespace

const TSettingNames<TZintRenderAdjustMode> AdjustModeNames{AdjustModes, std::size(AdjustModes)};
const TSettingNames<TZintHAlign> HAlignNames{HAligns, std::size(HAligns)};
const TSettingNames<TZintVAlign> VAlignNames{VAligns, std::size(VAligns)};
const TSettingNames<TImageSizeMode> ImageSizeNames{ImageSizes, std::size(ImageSizes)};
const TSettingNames<TModuleSizeMode> ModuleSizeNames{ModuleSizes, std::size(ModuleSizes)};
const TSettingNames<TBarHeightMode> BarHeightNames{BarHeights, std::size(BarHeights)};
const TSettingNames<TQuietZoneMode> QuietZoneNames{QuietZones, std::size(QuietZones)};
const TSettingNames<TCaptionSizeMode> CaptionSizeNames{CaptionSizes, std::size(CaptionSizes)};
const TSettingNames<TLengthUnit> BandUnitNames{BandUnits, std::size(BandUnits)};
