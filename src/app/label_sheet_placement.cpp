#include "app/label_sheet_placement.h"

TLabelPlacement LabelSheetPlacement(const TDialogService::TLabelSheetChoice& choice,
                                    const QFont& font)
{
    TLabelPlacement placement;
    placement.CutGuides = choice.CutGuides;
    placement.Text = ReadLabelTextRows(choice.Text, font);
    placement.SizeSymbolForLabel = !choice.KeepModule;
    return placement;
}
