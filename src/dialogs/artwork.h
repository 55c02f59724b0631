#pragma once

#include <QtGlobal>

class QIcon;
class QPixmap;
class QSize;
class QString;

// The program's own pictures, drawn as SVG so that they stay crisp at any screen scale. Names:
// "lintaro" (the application icon), "banner", "cat", "arrow", "close", "tick_button", "copy",
// "feedback", "like", "dislike".
QIcon ArtworkIcon(const QString& name);
QIcon ApplicationIcon();
// The picture rendered for a logical size on a screen of the given device pixel ratio; null
// for an unknown name.
QPixmap ArtworkPixmap(const QString& name, const QSize& logicalSize, qreal devicePixelRatio);
