#include "app/color_box.h"
#include "i18n/translation_engine.h"

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

constexpr TSystemColor SystemColors[] = {
    {TranslationKey("Window"), QPalette::Window},
    {TranslationKey("Window Text"), QPalette::WindowText},
    {TranslationKey("Base"), QPalette::Base},
    {TranslationKey("Alternate Base"), QPalette::AlternateBase},
    {TranslationKey("Text"), QPalette::Text},
    {TranslationKey("Placeholder Text"), QPalette::PlaceholderText},
    {TranslationKey("Button"), QPalette::Button},
    {TranslationKey("Button Text"), QPalette::ButtonText},
    {TranslationKey("Bright Text"), QPalette::BrightText},
    {TranslationKey("Highlight"), QPalette::Highlight},
    {TranslationKey("Highlighted Text"), QPalette::HighlightedText},
    {TranslationKey("Tool Tip Base"), QPalette::ToolTipBase},
    {TranslationKey("Tool Tip Text"), QPalette::ToolTipText},
    {TranslationKey("Link"), QPalette::Link},
    {TranslationKey("Link Visited"), QPalette::LinkVisited},
    {TranslationKey("Light"), QPalette::Light},
    {TranslationKey("Midlight"), QPalette::Midlight},
    {TranslationKey("Mid"), QPalette::Mid},
    {TranslationKey("Dark"), QPalette::Dark},
    {TranslationKey("Shadow"), QPalette::Shadow}};

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
        AddColor(Translate(QLatin1String(entry.Name)), QColor::fromRgb(entry.Rgb));
    for (const TNamedColor& entry : ExtendedColors)
        AddColor(Translate(QLatin1String(entry.Name)), QColor::fromRgb(entry.Rgb));
    const QPalette palette = QGuiApplication::palette();
    for (const TSystemColor& entry : SystemColors)
        AddColor(Translate(QLatin1String(entry.Name)), palette.color(QPalette::Active, entry.Role));
    FCustomIndex = count();
    addItem(Translate(QStringLiteral("Custom...")));
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
