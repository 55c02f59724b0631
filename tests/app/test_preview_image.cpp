#include "gui_test_base.h"

#include "app/preview_image.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

class PreviewImageTest : public TGuiTestBase
{
protected:
    void SetUp() override
    {
        TGuiTestBase::SetUp();
        ShowActiveForm();
        ASSERT_FALSE(Preview().IsEmpty());
    }

    void Wheel(int angle, Qt::KeyboardModifiers modifiers)
    {
        const QPointF at(10, 10);
        QWheelEvent event(at, Preview().mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Preview(), &event);
    }

    void Trigger(const char* action)
    {
        Preview().findChild<QAction*>(QLatin1String(action))->trigger();
    }

    // The fitted picture's zoom: the largest whole number that fits, or less when it is larger.
    double FittedZoom() const
    {
        const QImage& image = Preview().Image();
        const double fit = std::min(double(Preview().width()) / image.width(),
                                    double(Preview().height()) / image.height());
        return fit >= 1 ? std::floor(fit) : fit;
    }
};

TEST_F(PreviewImageTest, CtrlCOnThePreviewCopiesTheImageAsExportsWriteIt)
{
    QClipboard& clipboard = *QGuiApplication::clipboard();
    clipboard.setText(QStringLiteral("before"));
    // Elsewhere the keys belong to the box they are typed in.
    auto* edit = Find<QLineEdit>("Edit1");
    edit->setFocus();
    QTest::keySequence(edit, QKeySequence::Copy);
    EXPECT_EQ(clipboard.text(), QStringLiteral("before"));

    QTest::mouseClick(&Preview(), Qt::LeftButton);
    ASSERT_TRUE(Preview().hasFocus());
    QTest::keySequence(&Preview(), QKeySequence::Copy);
    const QImage copied = clipboard.image();
    const QImage exported = Preview().Image();
    EXPECT_EQ(copied.size(), exported.size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              exported.convertToFormat(QImage::Format_RGB32));
}

TEST_F(PreviewImageTest, ZoomStepsFromTheFittedPictureAndBack)
{
    const double fitted = FittedZoom();
    ASSERT_EQ(Preview().Zoom(), fitted);

    // Without Ctrl the wheel is not the preview's.
    Wheel(120, Qt::NoModifier);
    EXPECT_EQ(Preview().ChosenZoom(), 0);

    Wheel(120, Qt::ControlModifier);
    const double larger = Preview().Zoom();
    EXPECT_GT(larger, fitted);
    EXPECT_EQ(Preview().ImageRect().width(), int(Preview().Image().width() * larger));
    Wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(Preview().Zoom(), fitted);
    Trigger("ZoomOut");
    EXPECT_LT(Preview().Zoom(), fitted);
    Trigger("ZoomIn");
    EXPECT_EQ(Preview().Zoom(), fitted);

    Trigger("ActualSize");
    EXPECT_EQ(Preview().ImageRect().size(), Preview().Image().size());
    // The zoom chosen stays while the texts change.
    Form->UpdateBarcodeYeni(QStringLiteral("42"));
    EXPECT_EQ(Preview().ImageRect().size(), Preview().Image().size());

    Trigger("FitToWindow");
    EXPECT_EQ(Preview().ChosenZoom(), 0);
    EXPECT_EQ(Preview().Zoom(), FittedZoom());
    EXPECT_TRUE(Preview().rect().contains(Preview().ImageRect()));
}

TEST_F(PreviewImageTest, APictureLargerThanThePaneIsDraggedWithoutLeavingAGap)
{
    for (int i = 0; i < 6; ++i)
        Trigger("ZoomIn");
    const QRect zoomed = Preview().ImageRect();
    ASSERT_GT(zoomed.width(), Preview().width());
    ASSERT_EQ(zoomed.topLeft(), QPoint(0, 0));

    const QPoint from = Preview().rect().center();
    QTest::mousePress(&Preview(), Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from - QPoint(40, 0)),
                     Preview().mapToGlobal(QPointF(from - QPoint(40, 0))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Preview(), &move);
    QTest::mouseRelease(&Preview(), Qt::LeftButton, Qt::NoModifier, from - QPoint(40, 0));
    EXPECT_EQ(Preview().ImageRect().left(), -40);

    // Dragged far past its edge, the picture stops where its far edge meets the pane's.
    QTest::mousePress(&Preview(), Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent far(QEvent::MouseMove, QPointF(from - QPoint(100000, 0)),
                    Preview().mapToGlobal(QPointF(from - QPoint(100000, 0))), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Preview(), &far);
    EXPECT_EQ(Preview().ImageRect().right(), Preview().width() - 1);
}

TEST_F(PreviewImageTest, CopyAndZoomWaitForAPicture)
{
    Form->UpdateBarcodeYeni(QString());
    ASSERT_TRUE(Preview().IsEmpty());
    for (const char* name : {"CopyImage", "ZoomIn", "ZoomOut", "ActualSize", "FitToWindow"})
        EXPECT_FALSE(Preview().findChild<QAction*>(QLatin1String(name))->isEnabled()) << name;
}
