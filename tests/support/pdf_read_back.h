#pragma once

// A PDF read back as a print shop would: its pages drawn by poppler's pdftoppm, its words and
// their places by pdftotext.
#include <QImage>
#include <QRectF>
#include <QString>

#include <vector>

struct TPdfWord
{
    int Page = 0; // from 0
    QRectF Box;   // in millimetres from the page's top left corner
    QString Text;
};

// Every word pdftotext finds, with its box.
std::vector<TPdfWord> PdfWords(const QString& pdf);

// Page `page` (from 0) drawn at `dpi`.
QImage PdfPageImage(const QString& pdf, int page, int dpi);

// The pixels at `dpi` that a rectangle in millimetres covers.
QRect InPixels(const QRectF& millimetres, int dpi);

// The words of `line` one after another among `words`, each inside `box`.
bool LineInBox(const QString& line, const std::vector<const TPdfWord*>& words, const QRectF& box);
