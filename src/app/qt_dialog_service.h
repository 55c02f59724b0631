#pragma once

#include "app/dialog_service.h"

// The real dialogs: Qt's message box, file, colour and font dialogs, the desktop's file
// manager and the system beep.
class TQtDialogService final : public TDialogService
{
public:
    void ErrorBox(QWidget* parent, const QString& caption, const QString& text) override;
    bool FolderExportSummary(QWidget* parent, const TFolderExportReport& report) override;
    void OpenFolder(const QString& folder) override;
    std::optional<TTextFileChoice> OpenTextFile(QWidget* parent,
                                                const TTextFileChoice& last) override;
    std::optional<int> ChooseTextColumn(QWidget* parent, const QStringList& columns,
                                        int proposed) override;
    std::optional<QString> SaveImageFile(QWidget* parent, const QString& lastPath, int filterIndex,
                                         const QString& defaultExt) override;
    std::optional<TLabelSheetChoice> ChooseLabelSheet(QWidget* parent,
                                                      const TLabelSheetChoice& last,
                                                      const TLabelPictures& pictures) override;
    std::optional<TLabelSheetChoice> ChoosePrintLayout(QWidget* parent,
                                                       const TLabelSheetChoice& last,
                                                       const TLabelPictures& pictures) override;
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
    void ShowPrintPreview(QWidget* parent, QPrinter& printer,
                          const std::function<void(QPrinter& printer)>& paint) override;
    std::optional<QString> PickFolder(QWidget* parent, const QString& title,
                                      const QString& startFolder) override;
    std::optional<QColor> PickColor(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> PickFont(QWidget* parent, const QFont& initial) override;
    std::optional<QString> OpenListFile(QWidget* parent, const QString& lastPath) override;
    std::optional<QString> SaveListFile(QWidget* parent, const QString& lastPath) override;
    TUnsavedChoice AskSaveList(QWidget* parent, int entries) override;
    void Beep() override;
};
