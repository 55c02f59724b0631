// The export bar and the preview picture saved into one chosen file.
#include "app/export_controller.h"
#include "i18n/translation_engine.h"

#include "app/item_list_model.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "app/window_message.h"
#include "base/zint_exception.h"
#include "io/entry_export.h"
#include "io/export_job.h"
#include "io/image_format.h"
#include "io/safe_file_name.h"
#include "platform/user_store.h"
#include "render/render_settings.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

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
    Label9 = NewControl<QLabel>("Label9", Translate(QStringLiteral("Output Format:")));
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ComboBox1 = NewControl<QComboBox>("ComboBox1");
    for (const TImageFormatEntry& format : ImageFormats)
        ComboBox1->addItem(QLatin1String(format.Name));
    ComboBox1->setFixedWidth(131);
    Button1 = NewControl<QPushButton>("Button1", QIcon(QStringLiteral(":/icons/save48.svg")),
                                      Translate(QStringLiteral("Save single image...")));
    Button2 = NewControl<QPushButton>("Button2", QIcon(QStringLiteral(":/icons/saved_imports.svg")),
                                      Translate(QStringLiteral("Save all to folder...")));
    // As wide as the language's caption needs, never narrower than the English one.
    for (QPushButton* button : {Button1, Button2}) {
        button->setMinimumWidth(158);
        button->setFixedHeight(30);
    }
    // Beside the button whose files it names.
    lblFileNames = NewControl<QLabel>("lblFileNames", Translate(QStringLiteral("File names:")));
    lblFileNames->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edFileNames = NewControl<QLineEdit>("edFileNames", QStringLiteral("{n}"));
    edFileNames->setFixedWidth(90);
    edFileNames->setToolTip(
        // The language files end a key at its first closing brace: the fields are arguments.
        Translate(QStringLiteral("Names of the files \"Save all to folder...\" writes: %1 the "
                                 "entry number, %2 the number with 4 digits, %3 the entry's "
                                 "text, %4 or %5 a column; %6 and %7 write braces."))
            .arg(QStringLiteral("{n}"), QStringLiteral("{n:04}"), QStringLiteral("{text}"),
                 QStringLiteral("{col:NAME}"), QStringLiteral("{col:3}"), QStringLiteral("{{"),
                 QStringLiteral("}}")));
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
        newAction("Savesingleimage1", Translate(QStringLiteral("Save single &image...")), "save48");
    Savesingleimage1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(Savesingleimage1, &QAction::triggered, this, &TExportController::Savesingleimage1Click);
    Savealltofolder1 = newAction(
        "Savealltofolder1", Translate(QStringLiteral("Save all to &folder...")), "saved_imports");
    Savealltofolder1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(Savealltofolder1, &QAction::triggered, this, &TExportController::Savealltofolder1Click);
    Saveallaslabelsheet1 = newAction(
        "Saveallaslabelsheet1", Translate(QStringLiteral("Save all as la&bel sheet...")), nullptr);
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

void TExportController::ShowError(const QString& caption, const QString& text)
{
    FDialogs.ErrorBox(window(), caption, text);
}

void TExportController::Savesingleimage1Click()
{
    if (FSource.Preview().IsEmpty()) {
        ShowError(Translate(QStringLiteral("Cannot save the image")),
                  Translate(QStringLiteral("There is no barcode to save. Type a text the preview "
                                           "can draw, or choose an entry that renders.")));
        return;
    }
    const TSaveDialogChoice choice = SaveDialogChoice(ComboBox1->currentText());
    // The first save of a start opens where the last export went, not where "Load..." was.
    const QString folder =
        FLastSavePath.isEmpty() ? LastExportFolder : QFileInfo(FLastSavePath).path();
    // The file is proposed under the text it shows, where that makes a file name.
    const QString name = SafeFileName(FSource.CurrentText(), QLatin1Char('.') + choice.DefaultExt);
    const QString proposed =
        name.isEmpty() ? folder : (folder.isEmpty() ? name : QDir(folder).filePath(name));
    const std::optional<QString> path =
        FDialogs.SaveImageFile(window(), proposed, choice.FilterIndex, choice.DefaultExt);
    if (!path)
        return;
    FLastSavePath = *path;
    LastExportFolder = QFileInfo(*path).absolutePath();
    try {
        DosyayiKaydet(*path);
    } catch (const EZintException& error) {
        ShowError(Translate(QStringLiteral("Cannot save %1")).arg(QFileInfo(*path).fileName()),
                  MessageSentence(QString::fromUtf8(error.what())) + u'\n' +
                      Translate(QStringLiteral("Choose another folder or file name.")));
        return;
    }
    FDialogs.Beep();
}

void TExportController::DosyayiKaydet(const QString& DosyaAdi)
{
    SavePictureReplacing(FSource.Preview().Picture(), FSource.CurrentRenderSettings(), DosyaAdi);
}

TExportEntries TExportController::ListEntries(int count) const
{
    const TItemListModel& items = FList.Items();
    count = std::min(count, items.Count());
    TExportEntries entries;
    entries.Header = items.ColumnHeader();
    entries.Entries.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        entries.Entries.push_back({items.Text(i), items.ItemCells(i)});
    return entries;
}

std::optional<QString> TExportController::PickExportFolder()
{
    const std::optional<QString> folder = FDialogs.PickFolder(
        window(), Translate(QStringLiteral("Select folder:")), LastExportFolder);
    if (folder)
        LastExportFolder = *folder;
    return folder;
}
