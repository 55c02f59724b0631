#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <variant>
#include <vector>

class QImage;
class QPainter;

// How a metafile is played: into pixels, or into a vector file whose viewer antialiases every
// edge, so that bars which only touch must become one shape or a seam shows between them.
enum class TPlayback
{
    pbPixels,
    pbVector
};

// A recorded drawing with a pixel size: the preview shows it, exports rasterise it 1:1.
// It keeps the device-level drawing commands as they were issued, in order, and plays them
// through the same painting code as the canvas back-end.
class TMetafile final
{
public:
    TMetafile() = default;
    TMetafile(int width, int height) : FSize(width, height) {}

    int Width() const { return FSize.width(); }
    int Height() const { return FSize.height(); }
    QSize Size() const { return FSize; }
    void SetSize(int width, int height) { FSize = QSize(width, height); }

    bool IsEmpty() const { return FCommands.empty(); }
    // Drops the drawing, keeps the size.
    void Clear() { FCommands.clear(); }

    void AddRectFill(const QRect& rect, const QColor& colour);
    void AddPolygonFill(const QPoint* points, int count, const QColor& colour);
    void AddEllipseStroke(const QRect& rect, const QColor& colour, int penWidth);
    void AddEllipseFill(const QRect& rect, const QColor& colour);
    void AddText(const QRect& rect, int flags, const QString& text, const QFont& font,
                 const QColor& colour);

    void Play(QPainter& painter, TPlayback playback = TPlayback::pbPixels) const;

    // The recorded commands, for a player of its own (the indexed rasteriser).
    struct TRectFills
    {
        QColor Colour;
        std::vector<QRect> Rects;
    };
    struct TPolygonFill
    {
        QColor Colour;
        std::vector<QPoint> Points;
    };
    struct TEllipseStroke
    {
        QColor Colour;
        int PenWidth;
        QRect Rect;
    };
    struct TEllipseFill
    {
        QColor Colour;
        QRect Rect;
    };
    struct TText
    {
        QRect Rect;
        int Flags;
        QString Text;
        QFont Font;
        QColor Colour;
    };
    using TCommand = std::variant<TRectFills, TPolygonFill, TEllipseStroke, TEllipseFill, TText>;

    const std::vector<TCommand>& Commands() const { return FCommands; }
    // One command played as Play plays it.
    static void PlayCommand(QPainter& painter, const TCommand& command,
                            TPlayback playback = TPlayback::pbPixels);

private:
    QSize FSize;
    std::vector<TCommand> FCommands;
};

// Plays the metafile 1:1 into an RGB image of the metafile's size (white where nothing
// was drawn, as the background fill normally covers everything).
QImage RasteriseMetafile(const TMetafile& metafile);
