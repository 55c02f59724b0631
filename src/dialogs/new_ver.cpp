#include "dialogs/new_ver.h"

#include "dialogs/ink_room.h"
#include "dialogs/open_address.h"
#include "dialogs/user_notices.h"
#include "i18n/translation_engine.h"
#include "update/download_address.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int PopupWidth = 320;
constexpr int PopupHeight = 68;
constexpr int ScreenGap = 5;
constexpr int AnimationMs = 100;

QRect CentreOf(const QRect& geometry)
{
    return QRect(geometry.center(), QSize(1, 1));
}

QTimer* AddTimer(QWidget* owner, const char* name, int intervalMs)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(intervalMs);
    return timer;
}
} // namespace

TNewVer::TNewVer(const QString& productName, const QString& latestVersion,
                 const QString& downloadUrl, TUserNotices& notices, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus),
      FDownloadURL(downloadUrl), FNotices(notices)
{
    setObjectName(QStringLiteral("NewVer"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    CreateControls();
    FormCreate(productName, latestVersion);
}

void TNewVer::CreateControls()
{
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    auto* windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    // The animations take the window below the size of its controls.
    windowLayout->setSizeConstraint(QLayout::SetNoConstraint);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    windowLayout->addWidget(Panel1);
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(4, 0, 0, 0);
    panelLayout->setSpacing(0);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(60, 60);
    Image1->setAlignment(Qt::AlignCenter);
    panelLayout->addWidget(Image1, 0, Qt::AlignVCenter);

    Panel2 = new QWidget(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    // Neither the middle nor the link starts a drag.
    Panel2->setAttribute(Qt::WA_NoMousePropagation);
    panelLayout->addWidget(Panel2, 1);
    auto* textLayout = new QVBoxLayout(Panel2);
    textLayout->setContentsMargins(4, 4, 4, 4);
    textLayout->setSpacing(2);
    Label1 = new QLabel(Panel2);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont titleFont(QStringLiteral("Tahoma"), 10);
    titleFont.setBold(true);
    Label1->setFont(titleFont);
    textLayout->addWidget(Label1);
    Label2 = new QLabel(Panel2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    Label2->setFont(linkFont);
    Label2->setCursor(Qt::PointingHandCursor);
    textLayout->addWidget(Label2, 1);

    Panel3 = new QWidget(Panel1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedWidth(22);
    panelLayout->addWidget(Panel3);
    auto* buttonLayout = new QVBoxLayout(Panel3);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    Button1 = new QToolButton(Panel3);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFixedSize(22, 22);
    Button1->setAutoRaise(true);
    Button1->setCursor(Qt::PointingHandCursor);
    Button1->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    Button1->setFocusPolicy(Qt::NoFocus);
    connect(Button1, &QToolButton::clicked, this, &TNewVer::Button1Click);
    buttonLayout->addWidget(Button1, 0, Qt::AlignTop);
    buttonLayout->addStretch(1);

    const std::initializer_list<QWidget*> watched = {this, Panel1, Image1, Label1, Panel3, Label2};
    for (QWidget* source : watched)
        source->installEventFilter(this);

    TimerStart = AddTimer(this, "TimerStart", 1);
    TimerStart->setSingleShot(true);
    connect(TimerStart, &QTimer::timeout, this, &TNewVer::TimerStartTimer);
    TimerClose = AddTimer(this, "TimerClose", 1000);
    connect(TimerClose, &QTimer::timeout, this, &TNewVer::TimerCloseTimer);
    TimerLink = AddTimer(this, "TimerLink", 100);
    connect(TimerLink, &QTimer::timeout, this, &TNewVer::TimerLinkTimer);

    FAnimation = new QPropertyAnimation(this, "geometry", this);
    FAnimation->setDuration(AnimationMs);
}

void TNewVer::FormCreate(const QString& productName, const QString& latestVersion)
{
    const QIcon icon = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_MessageBoxInformation)
                           : QApplication::windowIcon();
    Image1->setPixmap(icon.pixmap(48, 48));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // In the screen's leading top corner: top right, or top left for a right-to-left language.
    const int left = QGuiApplication::isRightToLeft()
                         ? screen.left() + ScreenGap
                         : screen.left() + screen.width() - PopupWidth - ScreenGap;
    setGeometry(left, screen.top() + ScreenGap, PopupWidth, PopupHeight);

    Label1->setText(Translate(QStringLiteral("UPDATE AVAILABLE")));
    KeepInkInside(Label1);
    Label2->setText(Translate(QStringLiteral("Click to download %1"))
                        .arg(productName + QLatin1Char(' ') + latestVersion));
    // Where the click leads, seen before the click.
    Label2->setToolTip(DownloadAddress(FDownloadURL).host());

    TimerStart->start();
    TimerClose->start();
    TimerLink->start();
}

void TNewVer::TimerStartTimer()
{
    const QRect shown = geometry();
    setGeometry(CentreOf(shown));
    show();
    FAnimation->setStartValue(CentreOf(shown));
    FAnimation->setEndValue(shown);
    FAnimation->start();
}

void TNewVer::TimerCloseTimer()
{
    if (--FCountdown > 0)
        return;
    TimerClose->stop();
    FAnimation->stop();
    FAnimation->setStartValue(geometry());
    FAnimation->setEndValue(CentreOf(geometry()));
    connect(FAnimation, &QPropertyAnimation::finished, this, &QWidget::close,
            Qt::SingleShotConnection);
    FAnimation->start();
}

void TNewVer::TimerLinkTimer()
{
    const bool over = Label2->rect().contains(Label2->mapFromGlobal(QCursor::pos()));
    QPalette colours = Label2->palette();
    colours.setColor(QPalette::WindowText,
                     palette().color(over ? QPalette::Highlight : QPalette::WindowText));
    Label2->setPalette(colours);
}

void TNewVer::Label2Click()
{
    // A browser that does not start is no reason to keep the popup; it goes first, so the
    // message is not shown beside a window that stays on top.
    const QUrl address = DownloadAddress(FDownloadURL);
    const bool opened = QDesktopServices::openUrl(address);
    close();
    if (!opened)
        FNotices.ShowMessage(parentWidget(), QGuiApplication::applicationDisplayName(),
                             AddressNotOpenedText(address), TUserNotices::TNoticeIcon::niError);
}

void TNewVer::Button1Click()
{
    close();
}

void TNewVer::closeEvent(QCloseEvent* event)
{
    // Hidden for good: nothing may move or show it again.
    FAnimation->stop();
    TimerStart->stop();
    TimerClose->stop();
    TimerLink->stop();
    QWidget::closeEvent(event);
}

bool TNewVer::StartsDrag(QObject* watched) const
{
    return watched == this || watched == Panel1 || watched == Image1 || watched == Label1 ||
           watched == Panel3;
}

bool TNewVer::eventFilter(QObject* watched, QEvent* event)
{
    const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
    if (!mouse)
        return QWidget::eventFilter(watched, event);
    if (watched == Label2) {
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
            Label2->rect().contains(mouse->position().toPoint()))
            Label2Click();
        return event->type() != QEvent::MouseMove;
    }
    if (!StartsDrag(watched))
        return QWidget::eventFilter(watched, event);
    const QPoint pointer = mouse->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::RightButton)
            return false;
        dx = pointer.x();
        dy = pointer.y();
        dragging = true;
        return true;
    case QEvent::MouseMove:
        if (!dragging)
            return false;
        move(pos() + pointer - QPoint(dx, dy));
        dx = pointer.x();
        dy = pointer.y();
        return true;
    case QEvent::MouseButtonRelease:
        dragging = false;
        return true;
    default:
        return false;
    }
}
