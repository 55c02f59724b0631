#include "support/pdf_read_back.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
constexpr double PointsPerMm = 72 / 25.4;

QString RunPoppler(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

std::vector<TPdfWord> PdfWords(const QString& pdf)
{
    const QString html = RunPoppler(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    std::vector<TPdfWord> words;
    int page = -1;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        const auto at = [&](int i) { return match.captured(i).toDouble() / PointsPerMm; };
        words.push_back({page, QRectF(QPointF(at(1), at(2)), QPointF(at(3), at(4))),
                         match.captured(5).replace(QLatin1String("&amp;"), QLatin1String("&"))});
    }
    return words;
}

QImage PdfPageImage(const QString& pdf, int page, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    RunPoppler(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                QString::number(page + 1), QStringLiteral("-l"), QString::number(page + 1),
                QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

QRect InPixels(const QRectF& millimetres, int dpi)
{
    const double perMm = dpi / 25.4;
    return QRectF(millimetres.topLeft() * perMm, millimetres.size() * perMm).toAlignedRect();
}

bool LineInBox(const QString& line, const std::vector<const TPdfWord*>& words, const QRectF& box)
{
    const QStringList wanted = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (std::size_t start = 0; start + std::size_t(wanted.size()) <= words.size(); ++start) {
        bool all = true;
        for (int i = 0; i < wanted.size() && all; ++i)
            all = words[start + std::size_t(i)]->Text == wanted[i] &&
                  box.contains(words[start + std::size_t(i)]->Box);
        if (all)
            return true;
    }
    return false;
}
