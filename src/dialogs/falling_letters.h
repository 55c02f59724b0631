#pragma once

#include <QHash>
#include <QImage>
#include <QRandomGenerator>
#include <QString>

#include <vector>

class QPainter;

// The about box's rain of letters. Each tick draws into an image of its own, which the window
// paints; the image keeps the window size taken at the start.
class TFallingLetters final
{
public:
    struct TDrop
    {
        int Column = 0;
        int Row = 0;
        int Speed = 1;      // moves one row every Speed frames
        int Brightness = 0; // 0 to 99
        QChar LastLetter;
    };

    static constexpr int charWidth = 8;
    static constexpr int charHeight = 12;
    static constexpr int MaxDrops = 5000;

    explicit TFallingLetters(const QString& alphabet);

    void Start(const QSize& windowSize);
    // Clears the image and scatters new drops; also after every resize of the window.
    void Initialise();
    void Tick();

    const QImage& Image() const { return outCanvas; }
    const std::vector<TDrop>& Drops() const { return FDrops; }
    int matrixWidth() const { return FMatrixWidth; }
    int matrixHeight() const { return FMatrixHeight; }

private:
    void DrawLetter(QPainter& painter, TDrop& drop, QChar letter);
    void DrawCell(QPainter& painter, int column, int row, QChar letter, const QColor& color);
    const QImage& Glyph(QChar letter, const QColor& color);
    int RandomSpeed();
    int RandomBrightness();

    QString FAlphabet;
    QImage outCanvas;
    int bitmapWidth = 0;
    int bitmapHeight = 0;
    int FMatrixWidth = 0;
    int FMatrixHeight = 0;
    unsigned FFrame = 0;
    std::vector<TDrop> FDrops;
    QRandomGenerator FRandom;
    QHash<quint64, QImage> FGlyphs; // by letter and colour
};
