#pragma once

#include "io/stored_settings.h"

#include <QFont>

// Every value away from its default, so a key that is not written or not read back shows.
inline TStoredSettings ChangedStoredSettings()
{
    TStoredSettings settings;
    TRenderSettings& render = settings.Render;
    render.Foreground = QColor(0x12, 0x34, 0x56, 0x78);
    render.Background = QColor(Qt::yellow);
    render.Font = QFont(QStringLiteral("Serif"), 17);
    render.ShowText = false;
    render.HexagonScale = 0.75f;
    render.AdjustMode = TZintRenderAdjustMode::ramInflate;
    render.HAlign = TZintHAlign::haRight;
    render.VAlign = TZintVAlign::vaCenter;
    render.MinModuleWidth = 1.5f;
    render.MaxModuleWidth = 9;
    // All four sides alike, as "all the same" keeps them.
    float side = 1;
    for (std::size_t band = 0; band < BandCount; ++band) {
        settings.Bands[band] = {TLengthUnit::luModules, true};
        TRenderBoxValue& box = render.*BandMembers[band];
        side += 0.5f;
        for (TRenderSide* value : {&box.Top, &box.Left, &box.Right, &box.Bottom})
            value->Modules = side;
    }
    render.ImageSize = TImageSizeMode::ismFixed;
    render.FixedImageSize = QSize(640, 480);
    render.ModuleSizeMode = TModuleSizeMode::msmMillimetres;
    render.ModuleSize = 0.33f;
    render.ExactFit = true;
    render.BarHeightMode = TBarHeightMode::bhmInches;
    render.BarHeight = 0.6f;
    render.QuietZones = TQuietZoneMode::qzmNone;
    render.Dpi = 600;
    render.CaptionSizeMode = TCaptionSizeMode::csmModules;
    render.CaptionSize = 6;
    render.PrimaryMessage = QStringLiteral("999 840 12345");
    settings.Symbology = TZintSymbology::zsQRCODE;
    settings.ExportFormat = QStringLiteral("SVG");
    settings.FileNames = QStringLiteral("{col:SKU}-{n:04}");
    settings.RecentLists = {QStringLiteral("/home/a/labels.csv"), QStringLiteral("C:\\b c.csv")};
    settings.SettingsPanelShown = false;
    settings.LabelSheet = QStringLiteral("Avery 5160");
    const char* const lines[] = {"{col:name}", "EUR {col:price}", "{n:04}", "Lot {{{text}}}"};
    for (std::size_t row = 0; row < settings.LabelText.Rows.size(); ++row)
        settings.LabelText.Rows[row] = {QString::fromUtf8(lines[row]), 7.5 + double(row),
                                        row % 2 ? TZintHAlign::haRight : TZintHAlign::haLeft};
    settings.LabelText.Layout = TLabelTextLayout::ltlRight;
    settings.LabelKeepsModule = true;
    return settings;
}
