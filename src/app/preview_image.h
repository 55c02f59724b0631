#pragma once

#include "render/zint_metafile.h"

#include <QWidget>

// The preview picture: shows one metafile unscaled from the top-left corner, cut at the
// widget's edges, or nothing.
class TPreviewImage final : public QWidget
{
    Q_OBJECT

public:
    explicit TPreviewImage(QWidget* parent = nullptr);

    const TMetafile& Picture() const { return FPicture; }
    bool IsEmpty() const { return FEmpty; }
    void SetPicture(const TMetafile& picture);
    void Clear();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TMetafile FPicture;
    bool FEmpty = true;
};
