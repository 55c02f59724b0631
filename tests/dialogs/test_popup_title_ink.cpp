// The update popup's bold title in every shipped language: accents and marks stay inside it.
#include "dialogs/new_ver.h"
#include "i18n/translation_engine.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QStyle>

#include <gtest/gtest.h>

namespace {

const QString kLanguages = QStringLiteral(LINTARO_LANGUAGES_DIR);
constexpr int kSpill = 12;

// Draws the label's text as QLabel does, on a canvas wider by kSpill on each side, and
// answers the canvas rows and columns that got ink outside the label.
QRect InkOutside(const QLabel& label)
{
    QImage canvas(label.size() + QSize(2 * kSpill, 2 * kSpill), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(label.font());
        const QRect inside = label.contentsRect().translated(kSpill, kSpill);
        label.style()->drawItemText(&painter, inside,
                                    QStyle::visualAlignment(label.layoutDirection(),
                                                            label.alignment()),
                                    label.palette(), true, label.text(), QPalette::WindowText);
    }
    const QRect labelArea(QPoint(kSpill, kSpill), label.size());
    QRect outside;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(canvas.pixel(x, y)) != 0 && !labelArea.contains(x, y))
                outside |= QRect(x - kSpill, y - kSpill, 1, 1);
    return outside;
}

QStringList ShippedFiles()
{
    return QDir(kLanguages).entryList({QStringLiteral("*.lang.txt")}, QDir::Files, QDir::Name);
}

class PopupTitleInkTest : public testing::TestWithParam<QString>
{
protected:
    void TearDown() override { InitLanguageIn(QString(), QString(), QString()); }
};

} // namespace

TEST_P(PopupTitleInkTest, TitleInkStaysInsideItsLabel)
{
    InitLanguageIn(kLanguages, GetParam(), QStringLiteral("1033"));
    ASSERT_FALSE(CurrentLanguage().isEmpty());
    TNewVer popup(QStringLiteral("Lintaro"), QStringLiteral("9.9"),
                  QStringLiteral("https://dl.example/lintaro-9.9.tar.gz"));
    popup.layout()->activate();
    const auto* title = popup.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(title, nullptr);
    ASSERT_EQ(title->text(), Translate(QStringLiteral("UPDATE AVAILABLE")));
    const QRect outside = InkOutside(*title);
    EXPECT_TRUE(outside.isNull()) << title->text().toStdString() << " spills over "
                                  << outside.x() << "," << outside.y() << " "
                                  << outside.width() << "x" << outside.height() << " of "
                                  << title->width() << "x" << title->height();
}

INSTANTIATE_TEST_SUITE_P(Languages, PopupTitleInkTest, testing::ValuesIn(ShippedFiles()),
                         [](const testing::TestParamInfo<QString>& info) {
                             return info.param.section(u'.', 0, 0).toStdString();
                         });
