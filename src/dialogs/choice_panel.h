#pragma once

#include <QFrame>

class QLabel;

// One of the feedback window's two choices: a raised panel with a picture and a caption that
// shows the highlight colours, sunken, while it is selected. Its colours ignore the style.
class TChoicePanel final : public QFrame
{
    Q_OBJECT

public:
    TChoicePanel(const char* panelName, const char* imageName, const QString& pictureName,
                 QWidget* parent);

    QString text() const;
    void setText(const QString& text);
    bool Selected() const { return FSelected; }
    void SetSelected(bool selected);

signals:
    // A press of the left button on the panel or its picture.
    void LeftMouseDown();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* FPicture = nullptr;
    QLabel* FCaption = nullptr;
    bool FSelected = false;
};
