#pragma once

#include "io/label_sheet.h"
#include "io/label_sheet_painter.h"

#include <QFont>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

// The list's first entries as a sheet's labels will show them.
struct TLabelPictures
{
    int Count = 0;      // entries in the list
    int Dpi = 300;      // the dots the labels are drawn in: a dot is 1/Dpi inch
    QFont Font;         // the text lines' family
    QStringList Header; // the names of the list's columns; none when it holds plain texts
    // Draws the list's first `count` entries on the labels as the sheet will draw them.
    std::function<void(TLabelSheetPainter& labels, int count)> Paint;
};

// The first page of a label sheet, scaled to the widget: the paper, the labels in their shapes,
// the band where most printers cannot print, and the list's first entries drawn on their labels
// by the painter and export job that write the sheet.
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
    void DrawPage(QPainter& painter) const;

    TLabelPictures FPictures;
    std::optional<TLabelSheet> FSheet;
    TLabelPlacement FPlacement;
    // The page as last drawn: the symbols are rendered again only when the sheet or the
    // widget's size changes.
    QImage FDrawn;
};
