#pragma once

#include "dialogs/drop_down_menu.h"
#include "dialogs/falling_letters.h"
#include "dialogs/program_facts.h"

#include <QDialog>

class QAction;
class QFrame;
class QMouseEvent;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class TUserNotices;

// The about box: product name and version on a black panel amid falling letters, links to the
// maker's pages and the licence, and a picture behind the panel that a double-click on the
// icon reveals. Frees itself when closed.
class TAboutBox final : public QDialog
{
    Q_OBJECT

public:
    TAboutBox(const TProgramFacts& facts, TUserNotices& notices, QWidget* parent = nullptr);

    void Image1DblClick();
    void ImageEggDblClick();
    void TimerEggTimer();
    void BitBtn2Click();
    void Credits1Click();
    void Howtouninstall1Click();
    void LicensePrivacyPolicy1Click();
    void Label5Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void CreateControls();
    void HighDPIImageYukle();
    void tmTimerTimer();
    bool FormMouseDown(const QMouseEvent* event);
    bool FormMouseMove(const QMouseEvent* event);
    bool FormMouseUp(const QMouseEvent* event);

    TProgramFacts FFacts;
    TUserNotices& FNotices;
    TFallingLetters FLetters;
    TDropDownMenu FDropDown;
    bool dragging = false;
    int dx = 0;
    int dy = 0;

    QFrame* Panel1 = nullptr;
    QLabel* Image2 = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QLabel* Label5 = nullptr;
    QFrame* PanelEgg = nullptr;
    QLabel* ImageEgg = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Credits1 = nullptr;
    QAction* Howtouninstall1 = nullptr;
    QAction* LicensePrivacyPolicy1 = nullptr;
    QTimer* tmTimer = nullptr;
    QTimer* TimerEgg = nullptr;
};
