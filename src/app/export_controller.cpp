// The export bar and the preview picture saved into one chosen file.
#include "app/export_controller.h"

#include "app/item_list_model.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "base/zint_exception.h"
#include "io/entry_export.h"
#include "io/export_job.h"
#include "io/image_format.h"
#include "platform/user_store.h"
#include "render/render_settings.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int ControlMargin = 3;

struct TSaveDialogChoice
{
    int FilterIndex;
    QString DefaultExt;
};

// The save dialog's filters come in the order of the format table.
TSaveDialogChoice SaveDialogChoice(const QString& formatName)
{
    const TImageFormatEntry& entry = ListedImageFormat(formatName);
    return {int(&entry - ImageFormats.data()) + 1, QLatin1String(entry.Extension + 1)};
}

template <typename TWidget, typename... TArgs>
TWidget* NewControl(const char* name, TArgs&&... args)
{
    auto* widget = new TWidget(std::forward<TArgs>(args)...);
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

TExportController::TExportController(TDialogService& dialogs, TExportSource& source,
                                     TListPane& list, QWidget* parent)
    : QWidget(parent), FDialogs(dialogs), FSource(source), FList(list)
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(36);
    Label9 = NewControl<QLabel>("Label9", QStringLiteral("Output Format:"));
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ComboBox1 = NewControl<QComboBox>("ComboBox1");
    for (const TImageFormatEntry& format : ImageFormats)
        ComboBox1->addItem(QLatin1String(format.Name));
    ComboBox1->setFixedWidth(131);
    Button1 = NewControl<QPushButton>("Button1", QIcon(QStringLiteral(":/icons/save48.svg")),
                                      QStringLiteral("Save single image..."));
    Button2 = NewControl<QPushButton>("Button2", QIcon(QStringLiteral(":/icons/saved_imports.svg")),
                                      QStringLiteral("Save all to folder..."));
    for (QPushButton* button : {Button1, Button2})
        button->setFixedSize(158, 30);
    // Beside the button whose files it names.
    lblFileNames = NewControl<QLabel>("lblFileNames", QStringLiteral("File names:"));
    lblFileNames->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edFileNames = NewControl<QLineEdit>("edFileNames", QStringLiteral("{n}"));
    edFileNames->setFixedWidth(90);
    edFileNames->setToolTip(
        QStringLiteral("Names of the files \"Save all to folder...\" writes: {n} the entry "
                       "number, {n:04} the number with 4 digits, {text} the entry's text, "
                       "{col:NAME} or {col:3} a column; {{ and }} write braces."));
    lblFileNames->setBuddy(edFileNames);
    CreateActions();
    connect(Button1, &QPushButton::clicked, Savesingleimage1, &QAction::trigger);
    connect(Button2, &QPushButton::clicked, Savealltofolder1, &QAction::trigger);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(ControlMargin, ControlMargin, ControlMargin, ControlMargin);
    row->setSpacing(2 * ControlMargin);
    for (QWidget* control : {static_cast<QWidget*>(Label9), static_cast<QWidget*>(ComboBox1),
                             static_cast<QWidget*>(Button1), static_cast<QWidget*>(lblFileNames),
                             static_cast<QWidget*>(edFileNames), static_cast<QWidget*>(Button2)})
        row->addWidget(control);
    row->addStretch(1);
}

void TExportController::CreateActions()
{
    const auto newAction = [this](const char* name, const QString& caption, const char* icon) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        if (icon)
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
        return action;
    };
    Savesingleimage1 =
        newAction("Savesingleimage1", QStringLiteral("Save single image..."), "save48");
    Savesingleimage1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(Savesingleimage1, &QAction::triggered, this, &TExportController::Savesingleimage1Click);
    Savealltofolder1 =
        newAction("Savealltofolder1", QStringLiteral("Save all to folder..."), "saved_imports");
    Savealltofolder1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(Savealltofolder1, &QAction::triggered, this, &TExportController::Savealltofolder1Click);
    Saveallaslabelsheet1 =
        newAction("Saveallaslabelsheet1", QStringLiteral("Save all as label sheet..."), nullptr);
    connect(Saveallaslabelsheet1, &QAction::triggered, this,
            &TExportController::Saveallaslabelsheet1Click);
}

QList<QAction*> TExportController::Actions() const
{
    return {Savesingleimage1, Savealltofolder1, Saveallaslabelsheet1};
}

QList<QWidget*> TExportController::RememberedControls() const
{
    return {ComboBox1, edFileNames};
}

void TExportController::RememberWork(TUserStore& store) const
{
    store.WriteString(QStringLiteral("ExportFolder"), LastExportFolder);
}

void TExportController::RestoreWork(const TUserStore& store)
{
    const QString exportFolder = store.ReadString(QStringLiteral("ExportFolder"));
    if (!exportFolder.isEmpty() && QFileInfo(exportFolder).isDir())
        LastExportFolder = exportFolder;
}

void TExportController::ShowError(const QString& text)
{
    FDialogs.ErrorBox(window(), QGuiApplication::applicationDisplayName(), text);
}

void TExportController::Savesingleimage1Click()
{
    if (FSource.Preview().IsEmpty()) {
        ShowError(QStringLiteral("There is no barcode to save."));
        return;
    }
    const TSaveDialogChoice choice = SaveDialogChoice(ComboBox1->currentText());
    // The first save of a start opens where the last export went, not where "Load..." was.
    const std::optional<QString> path =
        FDialogs.SaveImageFile(window(), FLastSavePath.isEmpty() ? LastExportFolder : FLastSavePath,
                               choice.FilterIndex, choice.DefaultExt);
    if (!path)
        return;
    FLastSavePath = *path;
    LastExportFolder = QFileInfo(*path).absolutePath();
    try {
        DosyayiKaydet(*path);
    } catch (const EZintException& error) {
        ShowError(QString::fromUtf8(error.what()));
        return;
    }
    FDialogs.Beep();
}

void TExportController::DosyayiKaydet(const QString& DosyaAdi)
{
    SavePictureReplacing(FSource.Preview().Picture(), FSource.CurrentRenderSettings(), DosyaAdi);
}

TExportEntries TExportController::ListEntries() const
{
    const TItemListModel& items = FList.Items();
    TExportEntries entries;
    entries.Header = items.ColumnHeader();
    entries.Entries.reserve(std::size_t(items.Count()));
    for (int i = 0; i < items.Count(); ++i)
        entries.Entries.push_back({items.Text(i), items.ItemCells(i)});
    return entries;
}

std::optional<QString> TExportController::PickExportFolder()
{
    const std::optional<QString> folder =
        FDialogs.PickFolder(window(), QStringLiteral("Select folder:"), LastExportFolder);
    if (folder)
        LastExportFolder = *folder;
    return folder;
}
