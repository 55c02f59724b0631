#pragma once

#include "symbol/zint_symbology.h"

class QComboBox;

// The symbology list: the catalogue's symbologies in groups (linear, 2-D, postal, GS1,
// stacked), each under a heading that cannot be chosen and sorted by name within its group.
// Each symbology's item carries its ordinal as item data; a heading carries none.
void FillSymbologyList(QComboBox* list);

// Whether the list's row is a group heading.
bool IsSymbologyHeading(const QComboBox* list, int row);

// Selects the symbology without the list reporting a user's choice.
void SelectSymbology(QComboBox* list, TZintSymbology symbology);
