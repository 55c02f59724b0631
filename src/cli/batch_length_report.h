#pragma once

#include "render/render_settings.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the batch tool says of the lengths given in millimetres or inches once --dpi is known:
// a module width under one dot is refused; a width or bar height drawn in whole dots more than
// the tolerance away from the one asked for is reported with the size drawn.
struct TLengthReport
{
    std::optional<QString> Error;
    QStringList Warnings;
};

TLengthReport ReportDrawnLengths(const TRenderSettings& settings);
