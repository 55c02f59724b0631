#pragma once

#include "app/dialog_service.h"
#include "io/label_sheet_painter.h"

class QFont;

// How the window's sheets place their labels' contents as the form chose it: the text lines in
// `font`'s family and, unless the form keeps the window's module, symbols sized for their
// labels as the batch tool sizes them. Raises EZintException for a text line it cannot read.
TLabelPlacement LabelSheetPlacement(const TDialogService::TLabelSheetChoice& choice,
                                    const QFont& font);
