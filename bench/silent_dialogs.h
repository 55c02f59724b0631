#pragma once

#include "app/dialog_service.h"

#include <QColor>
#include <QFont>

// Dialogs that never block a benchmark: errors are kept for it to report, the text file to
// load is preset, everything else is cancelled.
class TSilentDialogs final : public TDialogService
{
public:
    QString LastError;
    std::optional<TTextFileChoice> TextFile;

    void ErrorBox(QWidget*, const QString&, const QString& text) override { LastError = text; }
    bool FolderExportSummary(QWidget*, const TFolderExportReport&) override { return false; }
    void OpenFolder(const QString&) override {}
    std::optional<TTextFileChoice> OpenTextFile(QWidget*, const TTextFileChoice&) override
    {
        return TextFile;
    }
    std::optional<int> ChooseTextColumn(QWidget*, const QStringList&, int proposed) override
    {
        return proposed;
    }
    std::optional<QString> SaveImageFile(QWidget*, const QString&, int, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<TLabelSheetChoice> ChooseLabelSheet(QWidget*, const TLabelSheetChoice&,
                                                      const TLabelPictures&) override
    {
        return std::nullopt;
    }
    std::optional<TLabelSheetChoice> ChoosePrintLayout(QWidget*, const TLabelSheetChoice&,
                                                       const TLabelPictures&) override
    {
        return std::nullopt;
    }
    bool SetUpPrinter(QWidget*, QPrinter&) override { return false; }
    void ShowPrintPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) override {}
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QColor> PickColor(QWidget*, const QColor&) override { return std::nullopt; }
    std::optional<QFont> PickFont(QWidget*, const QFont&) override { return std::nullopt; }
    std::optional<QString> OpenListFile(QWidget*, const QString&) override { return std::nullopt; }
    std::optional<QString> SaveListFile(QWidget*, const QString&) override { return std::nullopt; }
    // Closing a benchmark's window keeps nothing.
    TUnsavedChoice AskSaveList(QWidget*, int) override { return TUnsavedChoice::ucDiscard; }
    void Beep() override {}
};
