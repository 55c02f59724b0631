#pragma once

class QLabel;

// Bold and large captions: accents stacked on capitals (Vietnamese "Ả", German "Ü") and marks
// below rise and sink beyond the font's ascent and descent, where a label of the font's
// height clips them. Gives the label margins for its current text's ink, at least none.
void KeepInkInside(QLabel* label);
