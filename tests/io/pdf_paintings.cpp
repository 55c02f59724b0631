#include "pdf_paintings.h"

#include <QTransform>

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <gtest/gtest.h>

namespace {
constexpr double MmPerPoint = 25.4 / 72;

// Follows the path and transformation operators of a content stream; text and images are
// passed over.
class TContentReader
{
public:
    explicit TContentReader(double pageHeight)
        : FToPage(MmPerPoint, 0, 0, -MmPerPoint, 0, pageHeight * MmPerPoint)
    {
        FPath.setFillRule(Qt::OddEvenFill);
    }

    void Operator(const std::string& name)
    {
        const auto at = [&](std::size_t i) { return FOperands[FOperands.size() - i]; };
        const auto point = [&](std::size_t x) { return QPointF(at(x), at(x - 1)) * FMatrix; };
        if (name == "q") {
            FSaved.push_back(FMatrix);
        } else if (name == "Q" && !FSaved.empty()) {
            FMatrix = FSaved.back();
            FSaved.pop_back();
        } else if (name == "cm" && FOperands.size() >= 6) {
            FMatrix = QTransform(at(6), at(5), at(4), at(3), at(2), at(1)) * FMatrix;
        } else if (name == "m" && FOperands.size() >= 2) {
            FPath.moveTo(point(2));
        } else if (name == "l" && FOperands.size() >= 2) {
            FPath.lineTo(point(2));
        } else if (name == "c" && FOperands.size() >= 6) {
            FPath.cubicTo(point(6), point(4), point(2));
        } else if (name == "re" && FOperands.size() >= 4) {
            QPainterPath rect;
            rect.addRect(QRectF(at(4), at(3), at(2), at(1)));
            FPath.addPath(FMatrix.map(rect));
        } else if (name == "h") {
            FPath.closeSubpath();
        } else if (name == "S" || name == "s") {
            Paint(TPdfPaint::ppStroke);
        } else if (name == "f" || name == "f*" || name == "F" || name == "B" || name == "B*") {
            Paint(TPdfPaint::ppFill);
        } else if (name == "W" || name == "W*") {
            FClipping = true;
        } else if (name == "n") {
            Paint(TPdfPaint::ppClip);
        }
        FOperands.clear();
    }

    void Operand(double value) { FOperands.push_back(value); }

    std::vector<TPdfPainting> Paintings;

private:
    void Paint(TPdfPaint paint)
    {
        if (paint != TPdfPaint::ppClip || FClipping)
            Paintings.push_back({paint, FToPage.map(FPath)});
        FPath = {};
        FPath.setFillRule(Qt::OddEvenFill);
        FClipping = false;
    }

    QTransform FToPage;
    QTransform FMatrix;
    std::vector<QTransform> FSaved;
    std::vector<double> FOperands;
    QPainterPath FPath;
    bool FClipping = false;
};
} // namespace

std::vector<TPdfPainting> PdfPagePaintings(const QByteArray& pdf, int page)
{
    QPDF document;
    document.processMemoryFile("test.pdf", pdf.constData(), size_t(pdf.size()));
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
    EXPECT_LT(std::size_t(page), pages.size());
    if (std::size_t(page) >= pages.size())
        return {};
    QPDFObjectHandle box = pages[std::size_t(page)].getMediaBox();
    TContentReader reader(box.getArrayItem(3).getNumericValue() -
                          box.getArrayItem(1).getNumericValue());
    Pl_Buffer buffer("contents");
    pages[std::size_t(page)].pipeContents(&buffer);
    const std::shared_ptr<Buffer> contents = buffer.getBufferSharedPointer();
    const QByteArray stream(reinterpret_cast<const char*>(contents->getBuffer()),
                            qsizetype(contents->getSize()));
    // Qt writes one token between blanks; no string of a page of paths holds one.
    for (const QByteArray& token : stream.simplified().split(' ')) {
        bool number = false;
        const double value = token.toDouble(&number);
        if (number)
            reader.Operand(value);
        else
            reader.Operator(token.toStdString());
    }
    return reader.Paintings;
}
