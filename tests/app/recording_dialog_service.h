#pragma once

#include "app/dialog_service.h"

#include <deque>
#include <vector>

// Answers the window's dialogs from queued replies (cancel when none is queued) and records
// every error box and beep.
class TRecordingDialogService final : public TDialogService
{
public:
    struct TErrorBox
    {
        QString Caption;
        QString Text;
    };

    std::vector<TErrorBox> ErrorBoxes;
    int Beeps = 0;
    std::deque<TTextFileChoice> TextFileReplies;
    std::deque<QString> SaveImageReplies;
    std::deque<QString> FolderReplies;
    std::deque<QColor> ColorReplies;
    std::deque<QFont> FontReplies;

    void ErrorBox(QWidget*, const QString& caption, const QString& text) override
    {
        ErrorBoxes.push_back({caption, text});
    }
    std::optional<TTextFileChoice> OpenTextFile(QWidget*, const TTextFileChoice&) override
    {
        return Next(TextFileReplies);
    }
    std::optional<QString> SaveImageFile(QWidget*, const QString&, int, const QString&) override
    {
        return Next(SaveImageReplies);
    }
    std::optional<QString> PickFolder(QWidget*, const QString&, const QString&) override
    {
        return Next(FolderReplies);
    }
    std::optional<QColor> PickColor(QWidget*, const QColor&) override { return Next(ColorReplies); }
    std::optional<QFont> PickFont(QWidget*, const QFont&) override { return Next(FontReplies); }
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
