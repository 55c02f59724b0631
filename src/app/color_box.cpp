#include "app/color_box.h"

#include "render/named_colors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace {
struct TSystemColor
{
    const char* Name;
    QPalette::ColorRole Role;
};

constexpr TSystemColor SystemColors[] = {{"Window", QPalette::Window},
                                         {"Window Text", QPalette::WindowText},
                                         {"Base", QPalette::Base},
                                         {"Alternate Base", QPalette::AlternateBase},
                                         {"Text", QPalette::Text},
                                         {"Placeholder Text", QPalette::PlaceholderText},
                                         {"Button", QPalette::Button},
                                         {"Button Text", QPalette::ButtonText},
                                         {"Bright Text", QPalette::BrightText},
                                         {"Highlight", QPalette::Highlight},
                                         {"Highlighted Text", QPalette::HighlightedText},
                                         {"Tool Tip Base", QPalette::ToolTipBase},
                                         {"Tool Tip Text", QPalette::ToolTipText},
                                         {"Link", QPalette::Link},
                                         {"Link Visited", QPalette::LinkVisited},
                                         {"Light", QPalette::Light},
                                         {"Midlight", QPalette::Midlight},
                                         {"Mid", QPalette::Mid},
                                         {"Dark", QPalette::Dark},
                                         {"Shadow", QPalette::Shadow}};

QIcon Swatch(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}
} // namespace

TColorBox::TColorBox(TPickColor pickColor, QWidget* parent)
    : QComboBox(parent), FPickColor(std::move(pickColor))
{
    for (const TNamedColor& entry : StandardColors)
        AddColor(QLatin1String(entry.Name), QColor::fromRgb(entry.Rgb));
    for (const TNamedColor& entry : ExtendedColors)
        AddColor(QLatin1String(entry.Name), QColor::fromRgb(entry.Rgb));
    const QPalette palette = QGuiApplication::palette();
    for (const TSystemColor& entry : SystemColors)
        AddColor(QLatin1String(entry.Name), palette.color(QPalette::Active, entry.Role));
    FCustomIndex = count();
    addItem(QStringLiteral("Custom..."));
    SetCustomColor(Qt::black);
    setMaxVisibleItems(count());
    connect(this, &QComboBox::activated, this, &TColorBox::ItemActivated);
}

QColor TColorBox::Selected() const
{
    return currentData().value<QColor>();
}

void TColorBox::SetSelected(const QColor& color)
{
    for (int index = 0; index < FCustomIndex; ++index) {
        if (itemData(index).value<QColor>() == color) {
            setCurrentIndex(index);
            FLastIndex = index;
            return;
        }
    }
    SetCustomColor(color);
    setCurrentIndex(FCustomIndex);
    FLastIndex = FCustomIndex;
}

void TColorBox::AddColor(const QString& name, const QColor& color)
{
    addItem(Swatch(color), name, color);
}

void TColorBox::SetCustomColor(const QColor& color)
{
    setItemData(FCustomIndex, color);
    setItemIcon(FCustomIndex, Swatch(color));
}

void TColorBox::ItemActivated(int index)
{
    if (index != FCustomIndex) {
        FLastIndex = index;
        return;
    }
    // A cancelled choice goes back to the entry that was selected before.
    const std::optional<QColor> color =
        FPickColor ? FPickColor(itemData(FLastIndex).value<QColor>()) : std::nullopt;
    if (!color) {
        setCurrentIndex(FLastIndex);
        return;
    }
    SetCustomColor(*color);
    FLastIndex = index;
}
