#include "pdf_pages.h"

#include "base/zint_exception.h"
#include "io/pdf_page_size.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

namespace {
QByteArray OnePagePdf(QSizeF points)
{
    QByteArray contents;
    QBuffer buffer(&contents);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(WholePointPageAround(points));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        painter.drawLine(0, 0, 1, 1);
    }
    return contents;
}
} // namespace

// A PDF page is 3 to 14,400 points a side: a page outside that is refused with its size, not
// written for readers to clip or reject.
TEST(PdfPageSize, PagesStayWithinThePdfLimits)
{
    const struct
    {
        QSizeF Points;
        bool Kept;
    } cases[] = {
        {{3, 3}, true},          {{14400, 14400}, true}, {{100.5, 3000.25}, true},
        {{2.99, 100}, false},    {{100, 0.5}, false},    {{14400.01, 100}, false},
        {{15840, 15840}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Points.width());
        SCOPED_TRACE(c.Points.height());
        // Qt's own page is kept within what it can write; the exact size is what is checked.
        const QByteArray pdf = OnePagePdf(QSizeF(100, 100));
        if (c.Kept) {
            const std::vector<QRectF> boxes = PdfPageBoxes(WithExactPageSize(pdf, c.Points));
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_NEAR(boxes[0].width(), c.Points.width(), 1e-6);
            EXPECT_NEAR(boxes[0].height(), c.Points.height(), 1e-6);
        } else {
            try {
                WithExactPageSize(pdf, c.Points);
                ADD_FAILURE() << "no error";
            } catch (const EZintException& error) {
                EXPECT_TRUE(QString::fromUtf8(error.what())
                                .contains(QStringLiteral("from 3 to 14400 points on each side")))
                    << error.what();
            }
        }
    }
}
