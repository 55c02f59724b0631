#pragma once

class QMessageBox;

// Makes the box wide enough for its whole title: a window manager shortens the title of a
// box narrower than it ("Confir...intaro"). Call after the title is set.
void KeepTitleWhole(QMessageBox& box);
