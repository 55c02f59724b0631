#pragma once

#include "io/label_sheet.h"
#include "io/label_sheet_painter.h"
#include "render/zint_metafile.h"

#include <QWidget>

#include <functional>
#include <map>
#include <optional>

// The list's first entries as a sheet's labels will show them.
struct TLabelPictures
{
    int Count = 0; // entries in the list
    int Dpi = 300; // the pictures' resolution: a pixel is 1/Dpi inch
    // Entry `index` (from 0) drawn as the export draws it; an empty picture when it fails.
    std::function<TMetafile(int index)> Picture;
};

// The first page of a label sheet, scaled to the widget: the paper, the labels, the band
// where most printers cannot print, and the list's first entries on their labels, placed as
// the sheet will place them.
class TLabelSheetPreview final : public QWidget
{
    Q_OBJECT

public:
    TLabelSheetPreview(const TLabelPictures& pictures, QWidget* parent = nullptr);

    // The sheet shown; unset shows an empty frame (the fields do not make a sheet).
    void Show(const std::optional<TLabelSheet>& sheet, const TLabelPlacement& placement);
    const std::optional<TLabelSheet>& Shown() const { return FSheet; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TMetafile& Picture(int index);

    TLabelPictures FPictures;
    std::map<int, TMetafile> FDrawn; // the pictures drawn so far, by entry
    std::optional<TLabelSheet> FSheet;
    TLabelPlacement FPlacement;
};
