#pragma once

#include "app/dialog_service.h"
#include "app/folder_export_report.h"

#include <QPrinter>

#include <deque>
#include <vector>

// Answers the window's dialogs from queued replies (cancel when none is queued) and records
// every error box and beep, and the name of every dialog asked for, in order.
class TRecordingDialogService final : public TDialogService
{
public:
    struct TErrorBox
    {
        QString Caption;
        QString Text;
    };
    struct TSaveImageRequest
    {
        QString LastPath;
        int FilterIndex = 0;
        QString DefaultExt;
    };
    struct TFolderRequest
    {
        QString Title;
        QString StartFolder;
    };

    std::vector<TErrorBox> ErrorBoxes;
    QStringList Asked;
    // The parent each dialog of Asked was given.
    QList<QWidget*> Parents;
    std::vector<TFolderExportReport> Summaries;
    std::deque<bool> OpenFolderReplies;
    std::vector<QString> OpenedFolders;
    int Beeps = 0;
    std::deque<TTextFileChoice> TextFileReplies;
    struct TColumnRequest
    {
        QStringList Columns;
        int Proposed = 0;
    };
    std::deque<int> ColumnReplies;
    std::vector<TColumnRequest> ColumnRequests;
    std::deque<QString> SaveImageReplies;
    std::deque<QString> FolderReplies;
    std::deque<TLabelSheetChoice> LabelSheetReplies;
    std::vector<TLabelSheetChoice> LabelSheetRequests;
    std::deque<TLabelSheetChoice> PrintLayoutReplies;
    std::vector<TLabelSheetChoice> PrintLayoutRequests;
    // The print dialog and the preview print into a PDF file of this name at this resolution,
    // as a PDF printer chosen in the dialog would; an empty name cancels the print dialog.
    std::deque<QString> PrintFileReplies;
    int PrintResolution = 300;
    std::deque<QColor> ColorReplies;
    std::deque<QFont> FontReplies;
    // What the window handed to each dialog: the remembered choices it reopens with.
    std::vector<TTextFileChoice> TextFileRequests;
    std::vector<TSaveImageRequest> SaveImageRequests;
    std::vector<TFolderRequest> FolderRequests;
    std::deque<QString> OpenListReplies;
    std::deque<QString> SaveListReplies;
    std::deque<TUnsavedChoice> UnsavedReplies;
    // The path each list dialog proposed, and the entry count of each unsaved-list question.
    QStringList ListRequests;
    std::vector<int> UnsavedRequests;

    void ErrorBox(QWidget* parent, const QString& caption, const QString& text) override
    {
        Asked << QStringLiteral("ErrorBox");
        Parents << parent;
        ErrorBoxes.push_back({caption, text});
    }
    bool FolderExportSummary(QWidget* parent, const TFolderExportReport& report) override
    {
        Asked << QStringLiteral("FolderExportSummary");
        Parents << parent;
        Summaries.push_back(report);
        return Next(OpenFolderReplies).value_or(false);
    }
    void OpenFolder(const QString& folder) override { OpenedFolders.push_back(folder); }
    std::optional<TTextFileChoice> OpenTextFile(QWidget* parent,
                                                const TTextFileChoice& last) override
    {
        Asked << QStringLiteral("OpenTextFile");
        Parents << parent;
        TextFileRequests.push_back(last);
        return Next(TextFileReplies);
    }
    std::optional<int> ChooseTextColumn(QWidget* parent, const QStringList& columns,
                                        int proposed) override
    {
        Asked << QStringLiteral("ChooseTextColumn");
        Parents << parent;
        ColumnRequests.push_back({columns, proposed});
        return Next(ColumnReplies);
    }
    std::optional<QString> SaveImageFile(QWidget* parent, const QString& lastPath, int filterIndex,
                                         const QString& defaultExt) override
    {
        Asked << QStringLiteral("SaveImageFile");
        Parents << parent;
        SaveImageRequests.push_back({lastPath, filterIndex, defaultExt});
        return Next(SaveImageReplies);
    }
    std::optional<TLabelSheetChoice>
    ChooseLabelSheet(QWidget* parent, const TLabelSheetChoice& last, const TLabelPictures&) override
    {
        Asked << QStringLiteral("ChooseLabelSheet");
        Parents << parent;
        LabelSheetRequests.push_back(last);
        return Next(LabelSheetReplies);
    }
    std::optional<QString> PickFolder(QWidget* parent, const QString& title,
                                      const QString& startFolder) override
    {
        Asked << QStringLiteral("PickFolder");
        Parents << parent;
        FolderRequests.push_back({title, startFolder});
        return Next(FolderReplies);
    }
    std::optional<QColor> PickColor(QWidget* parent, const QColor&) override
    {
        Asked << QStringLiteral("PickColor");
        Parents << parent;
        return Next(ColorReplies);
    }
    std::optional<QFont> PickFont(QWidget* parent, const QFont&) override
    {
        Asked << QStringLiteral("PickFont");
        Parents << parent;
        return Next(FontReplies);
    }
    std::optional<QString> OpenListFile(QWidget* parent, const QString& lastPath) override
    {
        Asked << QStringLiteral("OpenListFile");
        Parents << parent;
        ListRequests << lastPath;
        return Next(OpenListReplies);
    }
    std::optional<QString> SaveListFile(QWidget* parent, const QString& lastPath) override
    {
        Asked << QStringLiteral("SaveListFile");
        Parents << parent;
        ListRequests << lastPath;
        return Next(SaveListReplies);
    }
    TUnsavedChoice AskSaveList(QWidget* parent, int entries) override
    {
        Asked << QStringLiteral("AskSaveList");
        Parents << parent;
        UnsavedRequests.push_back(entries);
        return Next(UnsavedReplies).value_or(TUnsavedChoice::ucCancel);
    }
    std::optional<TLabelSheetChoice> ChoosePrintLayout(QWidget* parent,
                                                       const TLabelSheetChoice& last,
                                                       const TLabelPictures&) override
    {
        Asked << QStringLiteral("ChoosePrintLayout");
        Parents << parent;
        PrintLayoutRequests.push_back(last);
        return Next(PrintLayoutReplies);
    }
    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override
    {
        Asked << QStringLiteral("SetUpPrinter");
        Parents << parent;
        return PrintToFile(printer);
    }
    void ShowPrintPreview(QWidget* parent, QPrinter& printer,
                          const std::function<void(QPrinter& printer)>& paint) override
    {
        Asked << QStringLiteral("ShowPrintPreview");
        Parents << parent;
        if (PrintToFile(printer))
            paint(printer);
    }
    void Beep() override { ++Beeps; }

private:
    bool PrintToFile(QPrinter& printer)
    {
        const std::optional<QString> file = Next(PrintFileReplies);
        if (!file || file->isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*file);
        printer.setResolution(PrintResolution);
        return true;
    }

    template <typename T> static std::optional<T> Next(std::deque<T>& replies)
    {
        if (replies.empty())
            return std::nullopt;
        T reply = replies.front();
        replies.pop_front();
        return reply;
    }
};
