#pragma once

// Makes the toolkit follow the active language file: Qt's own texts (standard buttons, file
// and print dialogs) from Qt's translations, and the layout mirrored for a language written
// right to left. Called once the translation engine has its file; English undoes both.
void ApplyLanguageToApplication();
