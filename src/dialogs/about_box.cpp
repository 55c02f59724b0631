#include "dialogs/about_box.h"

#include "dialogs/artwork.h"
#include "dialogs/maker_pages.h"
#include "dialogs/open_address.h"
#include "dialogs/text_window.h"
#include "dialogs/user_notices.h"
#include "i18n/translation_engine.h"
#include "update/download_address.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace {
constexpr QSize ClientSize(446, 374);
constexpr QSize BannerSize(344, 105);
constexpr QSize EggPictureSize(320, 214);
constexpr int IconSize = 32;
constexpr int EggStep = 5;
// More than any licence text; a huge file in its place is not read whole.
constexpr qint64 MaxLicenceBytes = 1 << 20;

template <typename TWidget> TWidget* Make(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* widget = new TWidget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

void PaintBlack(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont TahomaFont(int pointSize)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(pointSize);
    return font;
}
} // namespace

TAboutBox::TAboutBox(const TProgramFacts& facts, TUserNotices& notices, QWidget* parent)
    : QDialog(parent), FFacts(facts), FNotices(notices), FLetters(QStringLiteral("kel"))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize);
    setWindowIcon(ApplicationIcon());
    setFont(TahomaFont(8));
    PaintBlack(this);
    CreateControls();
    FormCreate();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAboutBox::CreateControls()
{
    // Created before Panel1, so that the panel covers it until it slides aside.
    PanelEgg = Make<QFrame>(this, "PanelEgg", QRect(0, 0, 324, 220));
    PaintBlack(PanelEgg);
    PanelEgg->hide();
    ImageEgg = Make<QLabel>(PanelEgg, "ImageEgg", QRect(QPoint(2, 3), EggPictureSize));

    Panel1 = Make<QFrame>(this, "Panel1", QRect(48, 42, 350, 291));
    PaintBlack(Panel1);
    Image2 = Make<QLabel>(Panel1, "Image2", QRect(QPoint(3, 3), BannerSize));
    Bevel1 = Make<QFrame>(Panel1, "Bevel1", QRect(9, 122, 34, 34));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Image1 = Make<QLabel>(Panel1, "Image1", QRect(10, 123, IconSize, IconSize));
    Image1->setAlignment(Qt::AlignCenter);
    Label2 = Make<QLabel>(Panel1, "Label2", QRect(49, 122, 290, 40));
    Label2->setFont(TahomaFont(12));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    BitBtn1 = Make<QPushButton>(Panel1, "BitBtn1", QRect(49, 226, 122, 33));
    BitBtn1->setIcon(ArtworkIcon(QStringLiteral("tick_button")));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
    BitBtn2 = Make<QPushButton>(Panel1, "BitBtn2", QRect(177, 226, 122, 33));
    BitBtn2->setIcon(ArtworkIcon(QStringLiteral("arrow")));
    BitBtn2->setLayoutDirection(Qt::RightToLeft); // the arrow on the right of the caption
    BitBtn2->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, &TAboutBox::BitBtn2Click);

    Label5 = Make<QLabel>(Panel1, "Label5", QRect(0, 273, 350, 16));
    QFont linkFont(QStringLiteral("MS Sans Serif"));
    linkFont.setPointSize(8);
    linkFont.setUnderline(true);
    Label5->setFont(linkFont);
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setStyleSheet(QStringLiteral("color: lime"));
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->setText(MakerWebAddress());
    Label5->setToolTip(MakerWebAddress());

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Credits1 = PopupMenu1->addAction(QString());
    Credits1->setObjectName(QStringLiteral("Credits1"));
    connect(Credits1, &QAction::triggered, this, &TAboutBox::Credits1Click);
    Howtouninstall1 = PopupMenu1->addAction(QString());
    Howtouninstall1->setObjectName(QStringLiteral("Howtouninstall1"));
    connect(Howtouninstall1, &QAction::triggered, this, &TAboutBox::Howtouninstall1Click);
    LicensePrivacyPolicy1 = PopupMenu1->addAction(QString());
    LicensePrivacyPolicy1->setObjectName(QStringLiteral("LicensePrivacyPolicy1"));
    connect(LicensePrivacyPolicy1, &QAction::triggered, this,
            &TAboutBox::LicensePrivacyPolicy1Click);

    tmTimer = new QTimer(this);
    tmTimer->setObjectName(QStringLiteral("tmTimer"));
    tmTimer->setInterval(50);
    connect(tmTimer, &QTimer::timeout, this, &TAboutBox::tmTimerTimer);
    TimerEgg = new QTimer(this);
    TimerEgg->setObjectName(QStringLiteral("TimerEgg"));
    TimerEgg->setInterval(5);
    connect(TimerEgg, &QTimer::timeout, this, &TAboutBox::TimerEggTimer);

    for (QWidget* widget :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Image1),
          static_cast<QWidget*>(Image2), static_cast<QWidget*>(Label2),
          static_cast<QWidget*>(ImageEgg), static_cast<QWidget*>(Label5)})
        widget->installEventFilter(this);
}

void TAboutBox::FormCreate()
{
    FLetters.Start(frameGeometry().size());
    tmTimer->start();

    QString caption = Translate(QStringLiteral("About %s"));
    // Only the first "%s" takes the name; a translation with other or no markers stays usable.
    const int marker = caption.indexOf(QLatin1String("%s"));
    if (marker >= 0)
        caption.replace(marker, 2, FFacts.AppProductName);
    setWindowTitle(caption);
    Label2->setText(FFacts.AppProductName + QLatin1Char(' ') + FFacts.AppProductVersion);

    BitBtn1->setText(Translate(QStringLiteral("OK")));
    BitBtn2->setText(Translate(QStringLiteral("Info")));
    Credits1->setText(Translate(QStringLiteral("Acknowledgements...")));
    Howtouninstall1->setText(Translate(QStringLiteral("How to uninstall...")));
    LicensePrivacyPolicy1->setText(Translate(QStringLiteral("License...")));

    HighDPIImageYukle();
    PanelEgg->move((width() - PanelEgg->width()) / 2, (height() - PanelEgg->height()) / 2);
}

void TAboutBox::HighDPIImageYukle()
{
    const qreal ratio = devicePixelRatioF();
    Image1->setPixmap(ApplicationIcon().pixmap(QSize(IconSize, IconSize), ratio));
    Image2->setPixmap(ArtworkPixmap(QStringLiteral("banner"), BannerSize, ratio));
    ImageEgg->setPixmap(ArtworkPixmap(QStringLiteral("cat"), EggPictureSize, ratio));
}

void TAboutBox::tmTimerTimer()
{
    FLetters.Tick();
    update();
}

void TAboutBox::Image1DblClick()
{
    if (TimerEgg->isActive())
        return;
    PanelEgg->show();
    TimerEgg->start();
}

void TAboutBox::TimerEggTimer()
{
    Panel1->move(Panel1->x() + EggStep, Panel1->y());
    if (Panel1->x() > width())
        TimerEgg->stop();
}

void TAboutBox::ImageEggDblClick()
{
    if (TimerEgg->isActive())
        return;
    PanelEgg->hide();
    Panel1->move((width() - Panel1->width()) / 2, Panel1->y());
}

void TAboutBox::BitBtn2Click()
{
    FDropDown.DropDownMenu(BitBtn2, PopupMenu1);
}

void TAboutBox::Credits1Click()
{
    OpenAddress(QUrl(MakerAcknowledgementsPage()), FNotices, this);
}

void TAboutBox::Howtouninstall1Click()
{
    OpenAddress(QUrl(MakerUninstallPage()), FNotices, this);
}

void TAboutBox::Label5Click()
{
    OpenAddress(MakerHomePage(), FNotices, this);
}

void TAboutBox::LicensePrivacyPolicy1Click()
{
    const QString licence = QDir(FFacts.ProgramFolder).filePath(QStringLiteral("license.txt"));
    QFile file(licence);
    if (!QFileInfo(licence).isFile() || !file.open(QIODevice::ReadOnly)) {
        FNotices.ShowMessage(this, Translate(QStringLiteral("License")),
                             Translate(QStringLiteral("File not found!")),
                             TUserNotices::TNoticeIcon::niError);
        return;
    }
    // A bare system has no viewer for text files; the licence is shown here then.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(licence)))
        (new TTextWindow(Translate(QStringLiteral("License")),
                         QString::fromUtf8(file.read(MaxLicenceBytes)), this))
            ->open();
}

void TAboutBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, FLetters.Image());
}

void TAboutBox::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FLetters.Initialise();
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &TAboutBox::HighDPIImageYukle,
                Qt::UniqueConnection);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonDblClick) {
        if (watched == Image1)
            Image1DblClick();
        else if (watched == ImageEgg)
            ImageEggDblClick();
        return watched == Image1 || watched == ImageEgg;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);

    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (watched == Label5) {
        if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
            Label5->rect().contains(mouse->position().toPoint()))
            Label5Click();
        return true;
    }
    if (type == QEvent::MouseButtonPress)
        return FormMouseDown(mouse);
    if (type == QEvent::MouseMove)
        return FormMouseMove(mouse);
    return FormMouseUp(mouse);
}

bool TAboutBox::FormMouseDown(const QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        return false;
    dragging = true;
    dx = event->globalPosition().toPoint().x();
    dy = event->globalPosition().toPoint().y();
    return true;
}

bool TAboutBox::FormMouseMove(const QMouseEvent* event)
{
    if (!dragging)
        return false;
    const QPoint pointer = event->globalPosition().toPoint();
    move(x() + pointer.x() - dx, y() + pointer.y() - dy);
    dx = pointer.x();
    dy = pointer.y();
    return true;
}

bool TAboutBox::FormMouseUp(const QMouseEvent*)
{
    const bool wasDragging = dragging;
    dragging = false;
    return wasDragging;
}
