#pragma once

#include <QColor>
#include <QComboBox>

#include <functional>
#include <optional>

// A colour list: the 16 standard colours, the extended ones, the desktop's system colours and
// a last "Custom..." entry that asks for any colour. Every entry shows a swatch and a name.
class TColorBox final : public QComboBox
{
    Q_OBJECT

public:
    using TPickColor = std::function<std::optional<QColor>(const QColor& initial)>;

    TColorBox(TPickColor pickColor, QWidget* parent = nullptr);

    QColor Selected() const;
    // Selects the named entry when the colour is in the list, else makes it the custom colour.
    void SetSelected(const QColor& color);

private:
    void AddColor(const QString& name, const QColor& color);
    void SetCustomColor(const QColor& color);
    void ItemActivated(int index);

    TPickColor FPickColor;
    int FCustomIndex = -1;
    int FLastIndex = 0;
};
