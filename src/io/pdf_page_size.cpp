#include "io/pdf_page_size.h"

#include "base/zint_exception.h"

#include <QPageSize>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cmath>
#include <exception>
#include <vector>

namespace {
// Millionths of a point: far below any printer's step.
constexpr int BoxDecimals = 6;
constexpr double BoxStepsPerPoint = 1e6;

// A PDF page is 3 to 14,400 units on each side; readers refuse or clip anything else.
constexpr double MinPageUnits = 3;
constexpr double MaxPageUnits = 14400;

QPDFObjectHandle Number(double value)
{
    return QPDFObjectHandle::newReal(value, BoxDecimals);
}

// Readers size their pages by rounding up: a length a millionth over the picture would
// give it another row of pixels, so it is cut down to the step instead.
double LengthInSteps(double points)
{
    return std::floor(points * BoxStepsPerPoint) / BoxStepsPerPoint;
}
} // namespace

QByteArray WithExactPageSize(const QByteArray& pdf, QSizeF pagePoints)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("picture.pdf", pdf.constData(), size_t(pdf.size()));
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(document).getAllPages()) {
            QPDFObjectHandle dictionary = page.getObjectHandle();
            // Large pages are measured in a unit of several points.
            const double unit = dictionary.hasKey("/UserUnit")
                                    ? dictionary.getKey("/UserUnit").getNumericValue()
                                    : 1.0;
            // Qt measures the drawing down from the top of its rounded page.
            const double top = page.getMediaBox().getArrayItem(3).getNumericValue();
            const double width = LengthInSteps(pagePoints.width() / unit);
            const double height = LengthInSteps(pagePoints.height() / unit);
            for (const double side : {width, height})
                if (!(side >= MinPageUnits && side <= MaxPageUnits))
                    throw EZintException(
                        QStringLiteral("The PDF page would be %1 x %2 points; a PDF page is "
                                       "from %3 to %4 points on each side.")
                            .arg(pagePoints.width(), 0, 'f', 2)
                            .arg(pagePoints.height(), 0, 'f', 2)
                            .arg(MinPageUnits * unit)
                            .arg(MaxPageUnits * unit)
                            .toStdString());
            dictionary.replaceKey(
                "/MediaBox", QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{
                                 Number(0), Number(top - height), Number(width), Number(top)}));
            dictionary.removeKey("/CropBox");
        }
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.write();
        const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(written->getBuffer()),
                          qsizetype(written->getSize()));
    } catch (const EZintException&) {
        throw;
    } catch (const std::exception& error) {
        throw EZintException(std::string("The PDF page size cannot be set. ") + error.what());
    }
}

QPageSize WholePointPageAround(QSizeF pagePoints)
{
    return QPageSize(QSizeF(std::ceil(pagePoints.width()), std::ceil(pagePoints.height())),
                     QPageSize::Point, QString(), QPageSize::ExactMatch);
}
