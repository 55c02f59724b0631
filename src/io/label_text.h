#pragma once

#include "io/name_template.h"
#include "render/setting_names.h"
#include "render/zint_render_types.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

constexpr double DefaultLabelTextPt = 9;
constexpr double MaxLabelTextPt = 144;

// One line of text on a label, made of the entry's fields as a file name is.
struct TLabelTextLine
{
    TNameTemplate Template;
    double SizePt = DefaultLabelTextPt;
    TZintHAlign Align = TZintHAlign::haCenter;
};

enum class TLabelTextLayout
{
    ltlBelow, // the lines under the symbol
    ltlRight  // the lines in a column right of the symbol
};
extern const TSettingNames<TLabelTextLayout> LabelTextLayoutNames;

// How a line is aligned unless it says: centred under the symbol, from the left beside it.
constexpr TZintHAlign DefaultLabelTextAlign(TLabelTextLayout layout)
{
    return layout == TLabelTextLayout::ltlRight ? TZintHAlign::haLeft : TZintHAlign::haCenter;
}

// The text lines every label of a sheet carries besides its symbol.
struct TLabelText
{
    std::vector<TLabelTextLine> Lines;
    TLabelTextLayout Layout = TLabelTextLayout::ltlBelow;
    QFont Font; // its family is used; the lines set their own sizes
};

constexpr int MaxLabelTextLines = 4;
// Text is shrunk to fit no further than this; beyond, it is cut.
constexpr double MinLabelTextPt = 6;

// The text lines as a form holds them, before they are read: a row for each line a label may
// carry, a row without a template carrying none.
struct TLabelTextRow
{
    QString Template;
    double SizePt = DefaultLabelTextPt;
    TZintHAlign Align = TZintHAlign::haCenter;
};
struct TLabelTextRows
{
    std::array<TLabelTextRow, MaxLabelTextLines> Rows;
    TLabelTextLayout Layout = TLabelTextLayout::ltlBelow;
};

// The lines of the rows with a template, in order, drawn in `font`'s family. Raises
// EZintException for a template TNameTemplate cannot read.
TLabelText ReadLabelTextRows(const TLabelTextRows& rows, const QFont& font);

// The lines' texts for one entry. Raises EZintException when the entry lacks a column a line
// names.
QStringList ExpandLabelText(const TLabelText& text, const TNameFields& fields);

// A line drawn at `PixelSize` dots, `Shown` the part of its text that fits.
struct TFittedLine
{
    QString Shown;
    int PixelSize = 0;
    bool Shrunk = false;
    bool Cut = false;
};

// The font the lines are drawn in, at a size in dots.
QFont LabelTextFont(const QFont& family, int pixelSize);

// How wide `text` is in `font`, in dots.
double TextWidth(const QFont& font, const QString& text);

// Fits a text of `pixelSize` dots into `width` dots: smaller down to `minPixelSize`, then cut
// with an ellipsis.
TFittedLine FitTextLine(const QString& text, const QFont& family, int pixelSize, int minPixelSize,
                        double width);
