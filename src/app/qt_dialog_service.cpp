#include "app/qt_dialog_service.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

namespace {
// The widget-based dialog, so that the encoding choice can be added to its grid.
void UseWidgetDialog(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
}
} // namespace

void TQtDialogService::ErrorBox(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.exec();
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
    if (!last.Path.isEmpty())
        dialog.selectFile(last.Path);

    auto* encoding = new QComboBox(&dialog);
    encoding->addItems(TextFileEncodingNames);
    encoding->setCurrentIndex(last.Encoding);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(QStringLiteral("Encoding:"), &dialog), row, 0);
        grid->addWidget(encoding, row, 1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return TTextFileChoice{dialog.selectedFiles().constFirst(), encoding->currentIndex()};
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
    if (!lastPath.isEmpty())
        dialog.selectFile(lastPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> TQtDialogService::PickFolder(QWidget* parent, const QString& title,
                                                    const QString& startFolder)
{
    QFileDialog dialog(parent, title, startFolder);
    UseWidgetDialog(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Select"));
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

void TQtDialogService::Beep()
{
    QApplication::beep();
}
