#pragma once

#include "app/dialog_service.h"
#include "app/folder_export_report.h"

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
    std::deque<QColor> ColorReplies;
    std::deque<QFont> FontReplies;
    // What the window handed to each dialog: the remembered choices it reopens with.
    std::vector<TTextFileChoice> TextFileRequests;
    std::vector<TSaveImageRequest> SaveImageRequests;
    std::vector<TFolderRequest> FolderRequests;

    void ErrorBox(QWidget*, const QString& caption, const QString& text) override
    {
        Asked << QStringLiteral("ErrorBox");
        ErrorBoxes.push_back({caption, text});
    }
    bool FolderExportSummary(QWidget*, const TFolderExportReport& report) override
    {
        Asked << QStringLiteral("FolderExportSummary");
        Summaries.push_back(report);
        return Next(OpenFolderReplies).value_or(false);
    }
    void OpenFolder(const QString& folder) override { OpenedFolders.push_back(folder); }
    std::optional<TTextFileChoice> OpenTextFile(QWidget*, const TTextFileChoice& last) override
    {
        Asked << QStringLiteral("OpenTextFile");
        TextFileRequests.push_back(last);
        return Next(TextFileReplies);
    }
    std::optional<int> ChooseTextColumn(QWidget*, const QStringList& columns, int proposed) override
    {
        Asked << QStringLiteral("ChooseTextColumn");
        ColumnRequests.push_back({columns, proposed});
        return Next(ColumnReplies);
    }
    std::optional<QString> SaveImageFile(QWidget*, const QString& lastPath, int filterIndex,
                                         const QString& defaultExt) override
    {
        Asked << QStringLiteral("SaveImageFile");
        SaveImageRequests.push_back({lastPath, filterIndex, defaultExt});
        return Next(SaveImageReplies);
    }
    std::optional<TLabelSheetChoice> ChooseLabelSheet(QWidget*, const TLabelSheetChoice&) override
    {
        Asked << QStringLiteral("ChooseLabelSheet");
        return Next(LabelSheetReplies);
    }
    std::optional<QString> PickFolder(QWidget*, const QString& title,
                                      const QString& startFolder) override
    {
        Asked << QStringLiteral("PickFolder");
        FolderRequests.push_back({title, startFolder});
        return Next(FolderReplies);
    }
    std::optional<QColor> PickColor(QWidget*, const QColor&) override
    {
        Asked << QStringLiteral("PickColor");
        return Next(ColorReplies);
    }
    std::optional<QFont> PickFont(QWidget*, const QFont&) override
    {
        Asked << QStringLiteral("PickFont");
        return Next(FontReplies);
    }
    void Beep() override { ++Beeps; }

private:
    template <typename T> static std::optional<T> Next(std::deque<T>& replies)
    {
        if (replies.empty())
            return std::nullopt;
        T reply = replies.front();
        replies.pop_front();
        return reply;
    }
};
