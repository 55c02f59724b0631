#include "render/indexed_raster.h"

#include "render/zint_metafile.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cstring>
#include <optional>
#include <variant>
#include <vector>

// QPainter's raster fills of a 32-bit picture, and the writers' pass that finds its colours
// again, cost more than the label's encoding. Bars and modules are rectangles on whole pixels,
// so their indices are set directly; only what QPainter alone knows how to draw (text, rings,
// hexagons, dots) goes through it, into a mask the size of the area it can reach.

namespace {

using TCommand = TMetafile::TCommand;

// Every pixel a command can touch lies inside this rectangle (before clipping to the picture).
QRect Reach(const TCommand& command, int pictureWidth)
{
    struct
    {
        int Width;
        QRect operator()(const TMetafile::TRectFills&) const { return {}; }
        QRect operator()(const TMetafile::TPolygonFill& c) const
        {
            return QPolygon(QList<QPoint>(c.Points.begin(), c.Points.end()))
                .boundingRect()
                .adjusted(-2, -2, 2, 2);
        }
        QRect operator()(const TMetafile::TEllipseStroke& c) const
        {
            const int reach = std::max(c.PenWidth, 1) + 2;
            return c.Rect.normalized().adjusted(-reach, -reach, reach, reach);
        }
        QRect operator()(const TMetafile::TEllipseFill& c) const
        {
            return c.Rect.normalized().adjusted(-2, -2, 2, 2);
        }
        QRect operator()(const TMetafile::TText& c) const
        {
            // One line, aligned to its top: glyphs stay within a line height of their box.
            const int line = std::max(c.Rect.height(), 1);
            return {0, c.Rect.top() - line - 2, Width, 3 * line + 4};
        }
    } reach{pictureWidth};
    return std::visit(reach, command);
}

QColor ColourOf(const TCommand& command)
{
    return std::visit([](const auto& c) { return c.Colour; }, command);
}

class TIndexedCanvas final
{
public:
    explicit TIndexedCanvas(QSize size) : FImage(size, QImage::Format_Indexed8)
    {
        // RasteriseMetafile starts from white.
        FColours.push_back(qRgb(255, 255, 255));
        FImage.fill(0);
    }

    // The colour's index, added when new; none for a colour indices cannot hold exactly.
    std::optional<uchar> IndexOf(const QColor& colour)
    {
        if (colour.alpha() != 255)
            return std::nullopt;
        const QRgb rgb = colour.rgb();
        const auto found = std::find(FColours.begin(), FColours.end(), rgb);
        if (found != FColours.end())
            return uchar(found - FColours.begin());
        if (FColours.size() == 256)
            return std::nullopt;
        FColours.push_back(rgb);
        return uchar(FColours.size() - 1);
    }

    // As the raster engine fills an unpainted QRect: normalised, right and bottom exclusive.
    void Fill(const QRect& rect, uchar index)
    {
        const QRect r = rect.normalized();
        const int left = std::max(r.left(), 0);
        const int right = std::min(r.left() + r.width(), FImage.width());
        const int top = std::max(r.top(), 0);
        const int bottom = std::min(r.top() + r.height(), FImage.height());
        if (right <= left)
            return;
        for (int y = top; y < bottom; ++y)
            std::memset(FImage.scanLine(y) + left, index, size_t(right - left));
    }

    // Paints the commands into a mask over `area` and sets `index` where they cover a pixel.
    // False where a pixel is covered in part or the drawing reaches the mask's inner edges.
    bool PaintMasked(const TCommand* commands, std::size_t count, QRect area, uchar index)
    {
        area &= FImage.rect();
        if (area.isEmpty())
            return true;
        QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        {
            QPainter painter(&mask);
            painter.translate(-area.topLeft());
            for (std::size_t i = 0; i < count; ++i)
                TMetafile::PlayCommand(painter, commands[i]);
        }
        return Merge(mask, area, index);
    }

    QImage Take()
    {
        FImage.setColorTable(FColours);
        return std::move(FImage);
    }

private:
    bool Merge(const QImage& mask, const QRect& area, uchar index)
    {
        // An edge of the mask inside the picture must stay clear, or the drawing went past it.
        const bool openLeft = area.left() > 0, openRight = area.right() < FImage.width() - 1;
        const bool openTop = area.top() > 0, openBottom = area.bottom() < FImage.height() - 1;
        for (int y = 0; y < mask.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
            uchar* out = FImage.scanLine(area.top() + y) + area.left();
            const bool edgeRow = (y == 0 && openTop) || (y == mask.height() - 1 && openBottom);
            for (int x = 0; x < mask.width(); ++x) {
                const int alpha = qAlpha(in[x]);
                if (alpha == 0)
                    continue;
                const bool edge =
                    edgeRow || (x == 0 && openLeft) || (x == mask.width() - 1 && openRight);
                if (alpha != 255 || edge)
                    return false;
                out[x] = index;
            }
        }
        return true;
    }

    QImage FImage;
    QList<QRgb> FColours;
};

} // namespace

QImage RasteriseMetafileIndexed(const TMetafile& metafile)
{
    TIndexedCanvas canvas(metafile.Size());
    const std::vector<TCommand>& commands = metafile.Commands();
    for (std::size_t i = 0; i < commands.size();) {
        const std::optional<uchar> index = canvas.IndexOf(ColourOf(commands[i]));
        if (!index)
            return {};
        if (const auto* fills = std::get_if<TMetafile::TRectFills>(&commands[i])) {
            for (const QRect& rect : fills->Rects)
                canvas.Fill(rect, *index);
            ++i;
            continue;
        }
        // A run of shapes of one colour shares a mask: their order among themselves is moot.
        QRect area = Reach(commands[i], metafile.Width());
        std::size_t end = i + 1;
        while (end < commands.size() &&
               !std::holds_alternative<TMetafile::TRectFills>(commands[end]) &&
               ColourOf(commands[end]) == ColourOf(commands[i]))
            area |= Reach(commands[end++], metafile.Width());
        if (!canvas.PaintMasked(&commands[i], end - i, area, *index))
            return {};
        i = end;
    }
    return canvas.Take();
}
