#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPropertyAnimation;
class QTimer;
class QToolButton;
class TUserNotices;

// The update-available popup: a small frameless window in the top-right corner of the primary
// screen that stays on top without taking the focus, shows itself with a short animation,
// offers a link to the download and closes itself after about eleven seconds.
class TNewVer final : public QWidget
{
    Q_OBJECT

public:
    // Creating it is enough: it shows itself right after. An empty or non-web download
    // address leads to the maker's home page. A download no program can open is reported
    // through `notices`, over the parent.
    TNewVer(const QString& productName, const QString& latestVersion, const QString& downloadUrl,
            TUserNotices& notices, QWidget* parent = nullptr);

    void Label2Click();
    void Button1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void FormCreate(const QString& productName, const QString& latestVersion);
    void TimerStartTimer();
    void TimerCloseTimer();
    void TimerLinkTimer();
    // The window, the frame, the picture, the title and the button column start a drag with
    // any button but the right one.
    bool StartsDrag(QObject* watched) const;

    QString FDownloadURL;
    TUserNotices& FNotices;
    int FCountdown = 11;
    bool dragging = false;
    int dx = 0;
    int dy = 0;

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QWidget* Panel3 = nullptr;
    QToolButton* Button1 = nullptr;
    QTimer* TimerStart = nullptr;
    QTimer* TimerClose = nullptr;
    QTimer* TimerLink = nullptr;
    QPropertyAnimation* FAnimation = nullptr;
};
