#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

// The 16 x 16 picture list of the language dialog (Part 5.2), in its fixed order: flags,
// "tick_button", "copy" and "flag".
const QStringList& LanguagePictureNames();
// The picture of a language-list item: exact, case-sensitive table of language names;
// "xx", the neutral flag, for any other text.
QString FlagPictureName(const QString& languageName);
// One picture of the list by name, 16 x 16 (flags of 16 x 11 centred on a clear ground).
QPixmap LanguagePicture(const QString& pictureName);
