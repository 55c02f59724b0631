#include "render/indexed_raster.h"

#include "render/zint_metafile.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <optional>
#include <variant>
#include <vector>

// QPainter's raster fills of a 32-bit picture cost more than the label's encoding, and its
// colours must be found again by a writer of indexed files. Bars and modules are rectangles on
// whole pixels, so their indices are set directly; only what QPainter alone knows how to draw
// (text, rings, hexagons, dots) goes through it, into a mask the size of the area it can reach.

namespace {

using TCommand = TMetafile::TCommand;

// Every pixel a command can touch lies inside this rectangle (before clipping to the picture).
QRect Reach(const TCommand& command)
{
    struct
    {
        QRect operator()(const TMetafile::TRectFills&) const { return {}; }
        QRect operator()(const TMetafile::TPolygonFill& c) const
        {
            if (c.Points.empty())
                return {};
            const auto [minX, maxX] =
                std::minmax_element(c.Points.begin(), c.Points.end(),
                                    [](const QPoint& a, const QPoint& b) { return a.x() < b.x(); });
            const auto [minY, maxY] =
                std::minmax_element(c.Points.begin(), c.Points.end(),
                                    [](const QPoint& a, const QPoint& b) { return a.y() < b.y(); });
            return QRect(QPoint(minX->x(), minY->y()), QPoint(maxX->x(), maxY->y()))
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
            // One line in its box; a glyph past it overflows the mask and is caught there.
            const int line = std::max(c.Rect.height(), 1);
            const int margin = line / 4 + 2;
            return c.Rect.normalized().adjusted(-margin, -margin, margin, margin);
        }
    } reach;
    return std::visit(reach, command);
}

QColor ColourOf(const TCommand& command)
{
    return std::visit([](const auto& c) { return c.Colour; }, command);
}

class TIndexedCanvas final
{
public:
    explicit TIndexedCanvas(QSize size)
        : FImage(size, QImage::Format_Indexed8), FWidth(FImage.width()), FHeight(FImage.height()),
          FStride(size_t(FImage.bytesPerLine())), FBits(FImage.bits()),
          FOwnRow(size_t(std::max(FHeight, 1)), 0)
    {
        // RasteriseMetafile starts from white.
        FColours.push_back(qRgb(255, 255, 255));
        FOwnRow[0] = 1;
        if (FHeight > 0)
            std::memset(FBits, 0, FStride);
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
        const int right = std::min(r.left() + r.width(), FWidth);
        const int top = std::max(r.top(), 0);
        const int bottom = std::min(r.top() + r.height(), FHeight);
        if (right <= left || bottom <= top)
            return;
        Materialise(top);
        if (bottom < FHeight)
            Materialise(bottom);
        for (int y = top; y < bottom; ++y) {
            const auto* own =
                static_cast<const char*>(std::memchr(FOwnRow.data() + y, 1, size_t(bottom - y)));
            if (!own)
                break;
            y = int(own - FOwnRow.data());
            std::memset(Row(y) + left, index, size_t(right - left));
        }
    }

    // Paints the commands into a mask over `area` and sets `index` where they cover a pixel.
    // False where a pixel is covered in part or the drawing reaches the mask's inner edges.
    bool PaintMasked(const TCommand* commands, std::size_t count, QRect area, uchar index)
    {
        area &= QRect(0, 0, FWidth, FHeight);
        if (area.isEmpty())
            return true;
        for (int y = area.top(); y <= std::min(area.bottom() + 1, FHeight - 1); ++y)
            Materialise(y);
        // The picture's own format, so that QPainter takes the same paths as for the picture;
        // the mask's background is the command's colour inverted, so any blend shows.
        const QRgb drawn = FColours[index];
        const QRgb blank = drawn ^ 0x00FFFFFFu;
        QImage mask(area.size(), QImage::Format_RGB32);
        mask.fill(blank);
        {
            QPainter painter(&mask);
            painter.translate(-area.topLeft());
            for (std::size_t i = 0; i < count; ++i)
                TMetafile::PlayCommand(painter, commands[i]);
        }
        return Merge(mask, area, drawn, blank, index);
    }

    QImage Take()
    {
        for (int y = 1; y < FHeight; ++y)
            if (!FOwnRow[size_t(y)])
                std::memcpy(Row(y), Row(y - 1), FStride);
        FImage.setColorTable(FColours);
        return std::move(FImage);
    }

private:
    uchar* Row(int y) { return FBits + size_t(y) * FStride; }

    // Row y takes its own pixels, a copy of the nearest row above that has its own.
    void Materialise(int y)
    {
        if (FOwnRow[size_t(y)])
            return;
        int source = y - 1;
        while (!FOwnRow[size_t(source)])
            --source;
        std::memcpy(Row(y), Row(source), FStride);
        FOwnRow[size_t(y)] = 1;
    }

    bool Merge(const QImage& mask, const QRect& area, QRgb drawn, QRgb blank, uchar index)
    {
        // An edge of the mask inside the picture must stay clear, or the drawing went past it.
        const bool openLeft = area.left() > 0, openRight = area.right() < FWidth - 1;
        const bool openTop = area.top() > 0, openBottom = area.bottom() < FHeight - 1;
        const int width = mask.width(), height = mask.height();
        const std::vector<QRgb> blankRow(size_t(width), blank);
        for (int y = 0; y < height; ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
            uchar* out = Row(area.top() + y) + area.left();
            if (std::memcmp(in, blankRow.data(), size_t(width) * sizeof(QRgb)) == 0)
                continue;
            const bool edgeRow = (y == 0 && openTop) || (y == height - 1 && openBottom);
            for (int start = 0; start < width; start += BlankRun) {
                const int end = std::min(start + BlankRun, width);
                if (std::memcmp(in + start, blankRow.data(), size_t(end - start) * sizeof(QRgb)) ==
                    0)
                    continue;
                for (int x = start; x < end; ++x) {
                    if (in[x] == blank)
                        continue;
                    const bool edge =
                        edgeRow || (x == 0 && openLeft) || (x == width - 1 && openRight);
                    if (in[x] != drawn || edge)
                        return false;
                    out[x] = index;
                }
            }
        }
        return true;
    }

    // Most of a caption's mask is blank: runs of it are skipped at the speed of memcmp.
    static constexpr int BlankRun = 16;

    QImage FImage;
    const int FWidth, FHeight;
    const size_t FStride;
    uchar* const FBits;
    // Most rows of a symbol equal the row above: only the first of each run is painted, and
    // the others are copied from it at the end. 1 marks such a first row, so that memchr finds
    // them under a bar as tall as the symbol. Row 0 always has its own pixels.
    std::vector<char> FOwnRow;
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
        QRect area = Reach(commands[i]);
        std::size_t end = i + 1;
        while (end < commands.size() &&
               !std::holds_alternative<TMetafile::TRectFills>(commands[end]) &&
               ColourOf(commands[end]) == ColourOf(commands[i]))
            area |= Reach(commands[end++]);
        if (!canvas.PaintMasked(&commands[i], end - i, area, *index))
            return {};
        i = end;
    }
    return canvas.Take();
}
