#include "gui_test_base.h"

#include "app/item_list_view.h"
#include "app/preview_image.h"
#include "render/render_settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

void TGuiTestBase::SetUp()
{
    ASSERT_TRUE(FProgramDir.isValid());
    ASSERT_TRUE(FDataHome.isValid());
    ASSERT_TRUE(QFile::link(QStringLiteral(LINTARO_EXECUTABLE),
                            FProgramDir.filePath(QStringLiteral("lintaro"))));
    ApplicationDialogs().ErrorBoxes.clear();
    // A window that lives past a tick of its timer starts the update check: keep it at home.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FDataHome.path());
    qputenv("LINTARO_SERVICE_HOST", "127.0.0.1:1");
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

void TGuiTestBase::ShowActiveForm()
{
    ShowForm();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
}

void TGuiTestBase::ChooseSymbology(TZintSymbology symbology)
{
    auto* comType = Find<QComboBox>("comType");
    const int row = comType->findData(int(symbology));
    ASSERT_GE(row, 0);
    comType->setCurrentIndex(row);
    emit comType->activated(row);
}

TPreviewImage& TGuiTestBase::Preview() const
{
    return *Find<TPreviewImage>("imgResult");
}

void TGuiTestBase::UsePreviewAreaLayout()
{
    // Modules fitted first: two-pixel modules may not fit the area.
    Find<QComboBox>("comModuleSize")->setCurrentIndex(int(TModuleSizeMode::msmFit));
    Find<QCheckBox>("cbExactFit")->setChecked(true);
    Find<QComboBox>("comImageSize")->setCurrentIndex(int(TImageSizeMode::ismPreviewArea));
    Find<QLineEdit>("edBarHeight")->setText(QStringLiteral("5"));
    Find<QComboBox>("comBarHeight")->setCurrentIndex(int(TBarHeightMode::bhmModules));
    Find<QComboBox>("comQuietZones")->setCurrentIndex(int(TQuietZoneMode::qzmNone));
    RunPendingRender();
}

void TGuiTestBase::RunPendingRender()
{
    QCoreApplication::processEvents();
}

QImage TGuiTestBase::PreviewImage() const
{
    const TPreviewImage& preview = Preview();
    return preview.IsEmpty() ? QImage() : preview.Image();
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

TItemListView& TGuiTestBase::List() const
{
    return *Find<TItemListView>("ListView1");
}

QStringList TGuiTestBase::ListTexts() const
{
    const QAbstractItemModel& model = *List().model();
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, 0).data(Qt::EditRole).toString();
    return texts;
}

void TGuiTestBase::AddEntry(const QString& text)
{
    auto* edit = Find<QLineEdit>("Edit1");
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void TGuiTestBase::ClickList(QPoint position)
{
    QTest::mouseClick(List().viewport(), Qt::LeftButton, Qt::NoModifier, position);
}

void TGuiTestBase::ClickEntry(int row)
{
    TItemListView& list = List();
    ClickList(list.visualRect(list.model()->index(row, 0)).center());
}

QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

QString TGuiTestBase::WriteFile(const char* name, const QByteArray& bytes)
{
    const QString path = FFiles.filePath(QLatin1String(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

void TGuiTestBase::Load(const QString& path, int encoding)
{
    Dialogs.TextFileReplies.push_back({path, encoding});
    Find<QAction>("Load1")->trigger();
}
