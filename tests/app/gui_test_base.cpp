#include "gui_test_base.h"

#include "app/preview_image.h"

#include <QComboBox>
#include <QFile>

void TGuiTestBase::SetUp()
{
    ASSERT_TRUE(FProgramDir.isValid());
    ASSERT_TRUE(FDataHome.isValid());
    ASSERT_TRUE(QFile::link(QStringLiteral(LINTARO_EXECUTABLE),
                            FProgramDir.filePath(QStringLiteral("lintaro"))));
    ApplicationDialogs().ErrorBoxes.clear();
}

void TGuiTestBase::TearDown()
{
    Form.reset();
    EXPECT_TRUE(ApplicationDialogs().ErrorBoxes.empty()) << "an error reached the default handler";
}

TAppForm& TGuiTestBase::CreateForm()
{
    Form = std::make_unique<TAppForm>(TAppEnvironment{
        FProgramDir.filePath(QStringLiteral("lintaro")), FDataHome.path(), &Dialogs});
    return *Form;
}

TAppForm& TGuiTestBase::ShowForm()
{
    CreateForm();
    Form->show();
    return *Form;
}

void TGuiTestBase::ChooseSymbology(TZintSymbology symbology)
{
    auto* comType = Find<QComboBox>("comType");
    comType->setCurrentIndex(int(symbology));
    emit comType->activated(int(symbology));
}

TPreviewImage& TGuiTestBase::Preview() const
{
    return *Find<TPreviewImage>("imgResult");
}

QImage TGuiTestBase::PreviewImage() const
{
    const TPreviewImage& preview = Preview();
    return preview.IsEmpty() ? QImage() : RasteriseMetafile(preview.Picture());
}

QRect TGuiTestBase::DarkArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() < 128)
                area |= QRect(x, y, 1, 1);
    return area;
}
