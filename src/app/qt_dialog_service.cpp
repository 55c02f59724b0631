#include "app/qt_dialog_service.h"

#include "app/folder_export_report.h"
#include "app/label_sheet_dialog.h"
#include "dialogs/open_address.h"
#include "dialogs/whole_title.h"
#include "i18n/translation_engine.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// The widget-based dialog, so that the encoding choice can be added to its grid.
void UseWidgetDialog(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
}

// The last choice is a file, or only the folder it was in when it comes from an earlier start.
void StartAt(QFileDialog& dialog, const QString& last)
{
    if (last.isEmpty())
        return;
    if (QFileInfo(last).isDir())
        dialog.setDirectory(last);
    else
        dialog.selectFile(last);
}
} // namespace

void TQtDialogService::ErrorBox(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    KeepTitleWhole(box);
    box.exec();
}

bool TQtDialogService::FolderExportSummary(QWidget* parent, const TFolderExportReport& report)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FolderExportSummary"));
    dialog.setWindowTitle(FolderExportSummaryTitle(report));
    auto* layout = new QVBoxLayout(&dialog);
    auto* summary = new QLabel(FolderExportSummaryText(report), &dialog);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(summary);
    if (!report.Failures.empty() || !report.ScaledDown.empty()) {
        auto* entries = new QPlainTextEdit(&dialog);
        entries->setReadOnly(true);
        entries->setLineWrapMode(QPlainTextEdit::NoWrap);
        entries->setTabStopDistance(6 * entries->fontMetrics().averageCharWidth());
        for (const auto* list : {&report.Failures, &report.ScaledDown})
            for (const TReportedEntry& entry : *list)
                entries->appendPlainText(ReportedEntryLine(entry));
        entries->moveCursor(QTextCursor::Start);
        layout->addWidget(entries);
        dialog.resize(680, 300);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    buttons->addButton(Translate(QStringLiteral("Open Folder")), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted;
}

void TQtDialogService::OpenFolder(const QString& folder)
{
    // Asked for from a summary that has just closed: the window under it is the active one.
    const QUrl address = QUrl::fromLocalFile(folder);
    if (!QDesktopServices::openUrl(address))
        ErrorBox(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(),
                 AddressNotOpenedText(address));
}

std::optional<TDialogService::TTextFileChoice>
TQtDialogService::OpenTextFile(QWidget* parent, const TTextFileChoice& last)
{
    QFileDialog dialog(parent);
    UseWidgetDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(TextFileFilter);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    StartAt(dialog, last.Path);

    auto* encoding = new QComboBox(&dialog);
    encoding->addItems(TextFileEncodingNames);
    encoding->setCurrentIndex(last.Encoding);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(Translate(QStringLiteral("Encoding:")), &dialog), row, 0);
        grid->addWidget(encoding, row, 1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return TTextFileChoice{dialog.selectedFiles().constFirst(), encoding->currentIndex()};
}

std::optional<int> TQtDialogService::ChooseTextColumn(QWidget* parent, const QStringList& columns,
                                                      int proposed)
{
    // Numbered, so that columns of the same name or of no name can be told apart.
    QStringList choices;
    for (qsizetype i = 0; i < columns.size(); ++i)
        choices << QStringLiteral("%1. %2").arg(i + 1).arg(columns.at(i));
    QInputDialog dialog(parent);
    dialog.setWindowTitle(Translate(QStringLiteral("Load")));
    dialog.setLabelText(Translate(QStringLiteral("Column with the texts:")));
    dialog.setComboBoxItems(choices);
    dialog.setComboBoxEditable(false);
    dialog.setTextValue(choices.value(proposed));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int chosen = int(choices.indexOf(dialog.textValue()));
    if (chosen < 0)
        return std::nullopt;
    return chosen;
}

std::optional<QString> TQtDialogService::SaveImageFile(QWidget* parent, const QString& lastPath,
                                                       int filterIndex, const QString& defaultExt)
{
    QFileDialog dialog(parent);
    UseWidgetDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ImageFileFilter);
    const QStringList filters = ImageFileFilter.split(QStringLiteral(";;"));
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(filterIndex - 1));
    dialog.setDefaultSuffix(defaultExt);
    StartAt(dialog, lastPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<TDialogService::TLabelSheetChoice>
TQtDialogService::ChooseLabelSheet(QWidget* parent, const TLabelSheetChoice& last,
                                   const TLabelPictures& pictures)
{
    TLabelSheetDialog dialog(parent, last, pictures);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

std::optional<QString> TQtDialogService::PickFolder(QWidget* parent, const QString& title,
                                                    const QString& startFolder)
{
    QFileDialog dialog(parent, title, startFolder);
    UseWidgetDialog(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::Accept, Translate(QStringLiteral("Select")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() ||
        dialog.selectedFiles().constFirst().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> TQtDialogService::PickColor(QWidget* parent, const QColor& initial)
{
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QFont> TQtDialogService::PickFont(QWidget* parent, const QFont& initial)
{
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, initial, parent);
    if (!accepted)
        return std::nullopt;
    return font;
}

std::optional<QString> TQtDialogService::OpenListFile(QWidget* parent, const QString& lastPath)
{
    QFileDialog dialog(parent, Translate(QStringLiteral("Open list")));
    UseWidgetDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(ListFileFilter);
    StartAt(dialog, lastPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> TQtDialogService::SaveListFile(QWidget* parent, const QString& lastPath)
{
    QFileDialog dialog(parent, Translate(QStringLiteral("Save list")));
    UseWidgetDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(ListFileFilter);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    StartAt(dialog, lastPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

TDialogService::TUnsavedChoice TQtDialogService::AskSaveList(QWidget* parent, int entries)
{
    QMessageBox box(QMessageBox::Question, Translate(QStringLiteral("Unsaved list")),
                    Translate(QStringLiteral("The list holds %1 entries that are not saved. Save "
                                             "them before closing?"))
                        .arg(entries),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return TUnsavedChoice::ucSave;
    case QMessageBox::Discard:
        return TUnsavedChoice::ucDiscard;
    default:
        return TUnsavedChoice::ucCancel;
    }
}

void TQtDialogService::Beep()
{
    QApplication::beep();
}
