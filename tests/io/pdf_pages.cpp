#include "pdf_pages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <gtest/gtest.h>

std::vector<QRectF> PdfPageBoxes(const QByteArray& pdf)
{
    QPDF document;
    document.processMemoryFile("test.pdf", pdf.constData(), size_t(pdf.size()));
    std::vector<QRectF> boxes;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(document).getAllPages()) {
        QPDFObjectHandle box = page.getMediaBox();
        const auto at = [&](int i) { return box.getArrayItem(i).getNumericValue(); };
        boxes.push_back(QRectF(QPointF(at(0), at(1)), QPointF(at(2), at(3))));
    }
    return boxes;
}

std::vector<QImage> PdfPagesDrawn(const QByteArray& pdf, int dpi, int first, int last,
                                  TPdfRasteriser rasteriser)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("test.pdf")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    const QString program = QStandardPaths::findExecutable(rasteriser == TPdfRasteriser::prPdftoppm
                                                               ? QStringLiteral("pdftoppm")
                                                               : QStringLiteral("pdftocairo"));
    EXPECT_FALSE(program.isEmpty()) << "pdftoppm or pdftocairo (poppler-utils) is missing";
    QStringList arguments{QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                          QString::number(first)};
    if (last > 0)
        arguments << QStringLiteral("-l") << QString::number(last);
    arguments << QStringLiteral("-png") << file.fileName() << dir.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    // pdftoppm pads the page numbers to one width, so the names sort in page order.
    std::vector<QImage> pages;
    for (const QString& name :
         QDir(dir.path()).entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name))
        pages.push_back(QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32));
    return pages;
}
