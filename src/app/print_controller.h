#pragma once

#include "app/dialog_service.h"

#include <QObject>

class QAction;
class QPrinter;
class QWidget;
class TExportController;
class TExportSource;
class TListPane;
struct TLabelSheet;
struct TRenderSettings;

// File > Print... and File > Print Preview...: every entry of the list on the labels of a
// sheet, or one a page, drawn at the printer's resolution so that every module covers whole
// printer dots.
class TPrintController final : public QObject
{
    Q_OBJECT

public:
    TPrintController(TDialogService& dialogs, TExportSource& source, TExportController& exports,
                     TListPane& list, QWidget* window);

    // The File menu's print items.
    QList<QAction*> Actions() const;

    void Print1Click();
    void PrintPreview1Click();

private:
    // Asks for the layout and sets the printer's paper to it; false when the user cancels.
    bool ChooseLayout(QPrinter& printer);
    // Draws every entry on the printer's pages as the chosen layout places them; the entries
    // that fail are told of afterwards.
    void PrintList(QPrinter& printer);

    TDialogService& FDialogs;
    TExportSource& FSource;
    TExportController& FExports;
    TListPane& FList;
    QWidget* FWindow;
    TDialogService::TLabelSheetChoice FLastLayout;
    QAction* Print1;
    QAction* PrintPreview1;
};

// The settings with modules, bars and lengths kept at their size on paper, at `dpi`: a module
// of whole pixels becomes the nearest whole number of the printer's dots.
TRenderSettings AtPrinterResolution(const TRenderSettings& settings, int dpi);

// One label filling the printable area of the printer's page.
TLabelSheet PrintablePageSheet(const QPrinter& printer);
