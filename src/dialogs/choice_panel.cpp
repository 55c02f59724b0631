#include "dialogs/choice_panel.h"

#include "dialogs/artwork.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>

namespace {
constexpr int PictureSize = 32;
constexpr int PictureLeft = 8;
} // namespace

TChoicePanel::TChoicePanel(const char* panelName, const char* imageName, const QString& pictureName,
                           QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QLatin1String(panelName));
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    setLineWidth(2);
    QFont font = this->font();
    font.setPointSize(12);
    setFont(font);

    FCaption = new QLabel(this);
    FCaption->setAlignment(Qt::AlignCenter);
    FCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
    FPicture = new QLabel(this);
    FPicture->setObjectName(QLatin1String(imageName));
    FPicture->setPixmap(
        ArtworkIcon(pictureName).pixmap(QSize(PictureSize, PictureSize), devicePixelRatioF()));
    FPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetSelected(false);
}

QString TChoicePanel::text() const
{
    return FCaption->text();
}

void TChoicePanel::setText(const QString& text)
{
    FCaption->setText(text);
}

void TChoicePanel::SetSelected(bool selected)
{
    FSelected = selected;
    const QPalette system = QApplication::palette(this);
    QPalette colours = system;
    colours.setColor(QPalette::Window,
                     system.color(selected ? QPalette::Highlight : QPalette::Button));
    colours.setColor(QPalette::WindowText,
                     system.color(selected ? QPalette::HighlightedText : QPalette::WindowText));
    setPalette(colours);
    FCaption->setPalette(colours);
    setFrameStyle(QFrame::Panel | (selected ? QFrame::Sunken : QFrame::Raised));
}

void TChoicePanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit LeftMouseDown();
    QFrame::mousePressEvent(event);
}

void TChoicePanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    FCaption->setGeometry(rect());
    FPicture->setGeometry(PictureLeft, (height() - PictureSize) / 2, PictureSize, PictureSize);
}
