#include "gui_test_base.h"

#include "app/preview_image.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

// Run at the default font and again, by ctest, with the fonts of a desktop scaled 1.25 and
// 1.5 times (LINTARO_TEST_FONT_DPI names the resolution the run must have).
class SettingsPageFitTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ShowForm();
        const QByteArray dpi = qgetenv("LINTARO_TEST_FONT_DPI");
        if (!dpi.isEmpty()) {
            ASSERT_EQ(Form->logicalDpiY(), dpi.toInt()) << "the scaled screen is not in use";
        }
        // The panel shows from the start.
        QCoreApplication::processEvents();
    }

    // The widget lies inside its parent, at no less than the size its text needs.
    static void ExpectUncut(const QWidget* widget, const QString& where)
    {
        const QString name = where + QLatin1Char('/') + widget->objectName() + QLatin1Char(' ') +
                             QLatin1String(widget->metaObject()->className());
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
            << name.toStdString();
        const bool showsText = qobject_cast<const QLabel*>(widget) ||
                               qobject_cast<const QAbstractButton*>(widget) ||
                               qobject_cast<const QComboBox*>(widget);
        const QSize needed = showsText ? widget->sizeHint() : widget->minimumSizeHint();
        if (needed.isValid()) {
            EXPECT_GE(widget->width(), needed.width()) << name.toStdString();
            EXPECT_GE(widget->height(), needed.height()) << name.toStdString();
        }
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            const int text = edit->fontMetrics().horizontalAdvance(edit->placeholderText());
            EXPECT_GE(edit->width(), text) << name.toStdString() << " placeholder";
        }
        // Whole tab names: all in view, or scrolled to, never shortened.
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            EXPECT_EQ(tabs->elideMode(), Qt::ElideNone) << name.toStdString();
            for (int i = 0; i < tabs->count() && !tabs->usesScrollButtons(); ++i)
                EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(i)))
                    << name.toStdString() << " tab " << tabs->tabText(i).toStdString();
        }
    }

    static void ExpectPageUncut(const QWidget* page, const QString& where)
    {
        for (const QWidget* widget : page->findChildren<QWidget*>())
            // A tab bar's scroll buttons are the tab bar's own affair.
            if (widget->isVisibleTo(page) &&
                !widget->objectName().startsWith(QLatin1String("qt_")) &&
                !qobject_cast<const QTabBar*>(widget->parentWidget()))
                ExpectUncut(widget, where);
    }
};

TEST_F(SettingsPageFitTest, EveryControlIsUncutAtTheDefaultWindowSize)
{
    auto* pages = Find<QTabWidget>("PageControl1");
    // The panel scrolls up and down in its column, never sideways, and is never squeezed.
    EXPECT_LE(pages->width(), pages->parentWidget()->width());
    EXPECT_GE(pages->height(), pages->minimumSizeHint().height());
    ExpectUncut(pages->tabBar(), QStringLiteral("window"));
    auto* bands = Find<QTabWidget>("PageControl2");
    for (int band = 0; band < bands->count(); ++band) {
        bands->setCurrentIndex(band);
        QCoreApplication::processEvents();
        ExpectPageUncut(pages->widget(0), bands->tabText(band));
    }
    pages->setCurrentWidget(Find<QWidget>("TabOutputSize"));
    QCoreApplication::processEvents();
    ExpectPageUncut(pages->currentWidget(), QStringLiteral("Output size"));
}

TEST_F(SettingsPageFitTest, PreviewGrowsWithTheWindow)
{
    const QSize before = Preview().size();
    ASSERT_GT(before.height(), 0) << "the page leaves room for the preview";
    Form->resize(Form->width() + 200, Form->height() + 150);
    QCoreApplication::processEvents();
    EXPECT_GT(Preview().width(), before.width());
    EXPECT_EQ(Preview().height(), before.height() + 150);
}
