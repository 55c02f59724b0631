// The bold and large captions in every shipped language: accents and marks stay inside them.
#include "dialogs/feedback_form.h"
#include "dialogs/ink_room.h"
#include "dialogs/new_ver.h"
#include "i18n/translation_engine.h"

#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QStyle>

#include "recording_user_notices.h"

#include <gtest/gtest.h>

namespace {

const QString kLanguages = QStringLiteral(LINTARO_LANGUAGES_DIR);
constexpr int kSpill = 12;
// Ink that reads: the faint fringe anti-aliasing lays beside a glyph's edge is not counted.
constexpr int kSolid = 128;

// Draws the label's text as QLabel does, on a canvas wider by kSpill on each side, and
// answers where, relative to the label, solid ink fell outside it.
QRect InkOutside(const QLabel& label)
{
    QImage canvas(label.size() + QSize(2 * kSpill, 2 * kSpill), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(label.font());
        const QRect inside = label.contentsRect().translated(kSpill, kSpill);
        label.style()->drawItemText(
            &painter, inside, QStyle::visualAlignment(label.layoutDirection(), label.alignment()),
            label.palette(), true, label.text(), QPalette::WindowText);
    }
    const QRect labelArea(QPoint(kSpill, kSpill), label.size());
    QRect outside;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(canvas.pixel(x, y)) >= kSolid && !labelArea.contains(x, y))
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
    // The program's captions are drawn in Tahoma, wine's stand-in where the system has none.
    static void SetUpTestSuite()
    {
        for (const char* file :
             {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
            QFontDatabase::addApplicationFont(QLatin1String(file));
    }

    void TearDown() override { InitLanguageIn(QString(), QString(), QString()); }
};

} // namespace

TEST_P(PopupTitleInkTest, TitleInkStaysInsideItsLabel)
{
    InitLanguageIn(kLanguages, GetParam(), QStringLiteral("1033"));
    ASSERT_FALSE(CurrentLanguage().isEmpty());
    TRecordingUserNotices notices;
    TNewVer popup(QStringLiteral("Lintaro"), QStringLiteral("9.9"),
                  QStringLiteral("https://dl.example/lintaro-9.9.tar.gz"), notices);
    popup.layout()->activate();
    const auto* title = popup.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(title, nullptr);
    ASSERT_EQ(title->text(), Translate(QStringLiteral("UPDATE AVAILABLE")));
    const QRect outside = InkOutside(*title);
    EXPECT_TRUE(outside.isNull()) << title->text().toStdString() << " spills over " << outside.x()
                                  << "," << outside.y() << " " << outside.width() << "x"
                                  << outside.height() << " of " << title->width() << "x"
                                  << title->height();
}

TEST_P(PopupTitleInkTest, FeedbackCaptionsInkStaysInsideTheirLabels)
{
    InitLanguageIn(kLanguages, GetParam(), QStringLiteral("1033"));
    TRecordingUserNotices notices;
    TFeedbackForm form({QStringLiteral("Kelmora - Lintaro"), QStringLiteral("Lintaro"),
                        QStringLiteral("1.0"), QString()},
                       notices);
    form.layout()->activate();
    for (const char* name : {"Label1", "Label2"}) {
        const auto* caption = form.findChild<QLabel*>(QLatin1String(name));
        ASSERT_NE(caption, nullptr) << name;
        const QRect outside = InkOutside(*caption);
        EXPECT_TRUE(outside.isNull())
            << name << " " << caption->text().toStdString() << " spills over " << outside.x() << ","
            << outside.y() << " " << outside.width() << "x" << outside.height() << " of "
            << caption->width() << "x" << caption->height();
    }
}

// A label as tall as its font (its size hint) cuts what rises above the ascent; the room kept
// for the ink takes it back inside.
TEST_P(PopupTitleInkTest, LabelOfItsSizeHintKeepsTheInkOnceRoomIsMade)
{
    InitLanguageIn(kLanguages, GetParam(), QStringLiteral("1033"));
    QLabel label(Translate(QStringLiteral("UPDATE AVAILABLE")));
    QFont bold(QStringLiteral("Tahoma"), 10);
    bold.setBold(true);
    label.setFont(bold);
    KeepInkInside(&label);
    label.resize(label.sizeHint());
    EXPECT_TRUE(InkOutside(label).isNull()) << label.text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, PopupTitleInkTest, testing::ValuesIn(ShippedFiles()),
                         [](const testing::TestParamInfo<QString>& info) {
                             return info.param.section(u'.', 0, 0).toStdString();
                         });
