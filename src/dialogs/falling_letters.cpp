#include "dialogs/falling_letters.h"

#include <QFont>
#include <QHash>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int TailLength = 40;

QColor DropColor(int v)
{
    return QColor(v * 150 / 255, v, v * 100 / 255);
}
} // namespace

TFallingLetters::TFallingLetters(const QString& alphabet)
    : FAlphabet(alphabet), FRandom(QRandomGenerator::global()->generate())
{}

void TFallingLetters::Start(const QSize& windowSize)
{
    FFrame = 0;
    bitmapWidth = std::max(windowSize.width(), 0);
    bitmapHeight = std::max(windowSize.height(), 0);
    Initialise();
}

void TFallingLetters::Initialise()
{
    outCanvas = QImage(bitmapWidth, bitmapHeight, QImage::Format_RGB32);
    outCanvas.fill(Qt::black);
    FMatrixWidth = bitmapWidth / charWidth;
    FMatrixHeight = bitmapHeight / charHeight;
    const int count = std::min(2 * FMatrixWidth, static_cast<int>(MaxDrops));
    FDrops.assign(count, TDrop{});
    for (int i = 0; i < count; ++i) {
        TDrop& drop = FDrops[i];
        drop.Column = i % FMatrixWidth;
        drop.Row = FMatrixHeight > 0 ? FRandom.bounded(FMatrixHeight) : 0;
        drop.Speed = RandomSpeed();
        drop.Brightness = RandomBrightness();
    }
}

void TFallingLetters::Tick()
{
    if (FAlphabet.isEmpty() || outCanvas.isNull())
        return;
    QPainter painter(&outCanvas);
    for (TDrop& drop : FDrops) {
        DrawLetter(painter, drop, FAlphabet.at(FRandom.bounded(FAlphabet.size())));
        if (FFrame % drop.Speed == 0) {
            ++drop.Row;
            if (drop.Row > FMatrixHeight + 1) {
                drop.Row = 0;
                drop.Speed = RandomSpeed();
                drop.Brightness = RandomBrightness();
            }
        }
    }
    ++FFrame;
}

void TFallingLetters::DrawLetter(QPainter& painter, TDrop& drop, QChar letter)
{
    int tailRow = drop.Row - TailLength;
    while (tailRow < 0)
        tailRow += FMatrixHeight + 1;
    painter.fillRect(drop.Column * charWidth, tailRow * charHeight, charWidth, charHeight,
                     Qt::black);

    const int v = drop.Brightness * 255 / 100;
    drop.LastLetter = letter;
    if (drop.Row > 0)
        DrawCell(painter, drop.Column, drop.Row - 1, letter, DropColor(v / 3));
    DrawCell(painter, drop.Column, drop.Row, letter, DropColor(v));
}

void TFallingLetters::DrawCell(QPainter& painter, int column, int row, QChar letter,
                               const QColor& color)
{
    painter.drawImage(column * charWidth, row * charHeight, Glyph(letter, color));
}

const QImage& TFallingLetters::Glyph(QChar letter, const QColor& color)
{
    // Three letters in at most two hundred colours: drawn once, then copied, which is many
    // times cheaper than laying out the text again for every cell.
    const quint64 key = (quint64(letter.unicode()) << 32) | color.rgb();
    auto cached = FGlyphs.find(key);
    if (cached != FGlyphs.end())
        return *cached;
    QImage glyph(charWidth, charHeight, QImage::Format_RGB32);
    glyph.fill(Qt::black);
    QPainter painter(&glyph);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(charHeight);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(glyph.rect(), Qt::AlignLeft | Qt::AlignTop, QString(letter));
    painter.end();
    return *FGlyphs.insert(key, glyph);
}

int TFallingLetters::RandomSpeed()
{
    return FRandom.bounded(1, 4);
}

int TFallingLetters::RandomBrightness()
{
    return FRandom.bounded(100);
}
