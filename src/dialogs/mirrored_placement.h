#pragma once

class QWidget;

// Qt mirrors what layouts place, not what a window places by hand: a right-to-left language
// reads these windows from the right, so each child placed by hand is moved to the mirrored
// place in its parent; Qt mirrors the text inside them (children of children included).
void MirrorPlacements(QWidget* window);
