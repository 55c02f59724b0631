#include "render/zint_metafile.h"

#include "render/device_painting.h"

#include <QImage>
#include <QPainter>

namespace {

template <class... TVisitors> struct TOverloaded : TVisitors...
{
    using TVisitors::operator()...;
};
template <class... TVisitors> TOverloaded(TVisitors...) -> TOverloaded<TVisitors...>;

} // namespace

void TMetafile::AddRectFill(const QRect& rect, const QColor& colour)
{
    // A symbol is mostly bars of one colour: they share one command.
    if (!FCommands.empty())
        if (auto* fills = std::get_if<TRectFills>(&FCommands.back());
            fills && fills->Colour == colour) {
            fills->Rects.push_back(rect);
            return;
        }
    FCommands.emplace_back(TRectFills{colour, {rect}});
}

void TMetafile::AddPolygonFill(const QPoint* points, int count, const QColor& colour)
{
    FCommands.emplace_back(TPolygonFill{colour, std::vector<QPoint>(points, points + count)});
}

void TMetafile::AddEllipseStroke(const QRect& rect, const QColor& colour, int penWidth)
{
    FCommands.emplace_back(TEllipseStroke{colour, penWidth, rect});
}

void TMetafile::AddEllipseFill(const QRect& rect, const QColor& colour)
{
    FCommands.emplace_back(TEllipseFill{colour, rect});
}

void TMetafile::AddText(const QRect& rect, int flags, const QString& text, const QFont& font,
                        const QColor& colour)
{
    FCommands.emplace_back(TText{rect, flags, text, font, colour});
}

void TMetafile::PlayCommand(QPainter& painter, const TCommand& command, TPlayback playback)
{
    const auto play = TOverloaded{
        [&](const TRectFills& c) {
            if (playback == TPlayback::pbVector)
                PaintFillsAsOneShape(painter, c.Colour, c.Rects.data(), int(c.Rects.size()));
            else
                PaintFills(painter, c.Colour, c.Rects.data(), int(c.Rects.size()));
        },
        [&](const TPolygonFill& c) {
            PaintPolygon(painter, c.Colour, c.Points.data(), int(c.Points.size()));
        },
        [&](const TEllipseStroke& c) { PaintRing(painter, c.Colour, c.PenWidth, c.Rect); },
        [&](const TEllipseFill& c) { PaintCircle(painter, c.Colour, c.Rect); },
        [&](const TText& c) { PaintText(painter, c.Rect, c.Flags, c.Text, c.Font, c.Colour); },
    };
    std::visit(play, command);
}

void TMetafile::Play(QPainter& painter, TPlayback playback) const
{
    // The painter is left as it was given, as drawing a picture would.
    painter.save();
    for (const TCommand& command : FCommands)
        PlayCommand(painter, command, playback);
    painter.restore();
}

QImage RasteriseMetafile(const TMetafile& metafile)
{
    QImage image(metafile.Size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!metafile.IsEmpty()) {
        QPainter painter(&image);
        metafile.Play(painter);
    }
    return image;
}
