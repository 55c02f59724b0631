#pragma once

#include "io/label_text.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;
struct TFolderExportReport;
struct TLabelPictures;

// Every modal question the main window asks the user, and the beep, behind one interface so
// that tests can answer and observe them.
class TDialogService
{
public:
    struct TTextFileChoice
    {
        QString Path;
        int Encoding = 0; // index into TextFileEncodingNames
    };
    struct TLabelSheetChoice
    {
        QString Sheet; // a preset name or a custom sheet, as ReadLabelSheet reads it
        bool CutGuides = false;
        bool OnePerPage = false; // printing only: a symbol a page instead of the sheet
        TLabelTextRows Text;
        // Each symbol drawn at the window's module rather than at the largest its label holds.
        bool KeepModule = false;
    };

    // What to do with entries not saved yet when the list would be lost.
    enum class TUnsavedChoice
    {
        ucSave,
        ucDiscard,
        ucCancel
    };

    virtual ~TDialogService() = default;

    virtual void ErrorBox(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The end of a folder export; true when the user asks to open the folder.
    virtual bool FolderExportSummary(QWidget* parent, const TFolderExportReport& report) = 0;
    virtual void OpenFolder(const QString& folder) = 0;
    virtual std::optional<TTextFileChoice> OpenTextFile(QWidget* parent,
                                                        const TTextFileChoice& last) = 0;
    // Which column of a table holds the texts; `columns` are the header's names. Returns the
    // 0-based column, `proposed` offered first.
    virtual std::optional<int> ChooseTextColumn(QWidget* parent, const QStringList& columns,
                                                int proposed) = 0;
    // filterIndex is 1-based over ImageFileFilter's entries.
    virtual std::optional<QString> SaveImageFile(QWidget* parent, const QString& lastPath,
                                                 int filterIndex, const QString& defaultExt) = 0;
    // The sheet of "Save all as label sheet..."; only a sheet ReadLabelSheet reads is answered.
    // `pictures` are the list's entries for the preview of the first page.
    virtual std::optional<TLabelSheetChoice> ChooseLabelSheet(QWidget* parent,
                                                              const TLabelSheetChoice& last,
                                                              const TLabelPictures& pictures) = 0;
    // How File > Print... lays out the list: one symbol a page, or the labels of a sheet.
    virtual std::optional<TLabelSheetChoice> ChoosePrintLayout(QWidget* parent,
                                                               const TLabelSheetChoice& last,
                                                               const TLabelPictures& pictures) = 0;
    // Qt's print dialog for the printer; true when the user asks to print.
    virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Qt's print preview of the printer's pages, drawn by `paint` whenever the preview needs
    // them.
    virtual void ShowPrintPreview(QWidget* parent, QPrinter& printer,
                                  const std::function<void(QPrinter& printer)>& paint) = 0;
    virtual std::optional<QString> PickFolder(QWidget* parent, const QString& title,
                                              const QString& startFolder) = 0;
    virtual std::optional<QColor> PickColor(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<QFont> PickFont(QWidget* parent, const QFont& initial) = 0;
    // The list's own files: CSV, with the cells of loaded tables.
    virtual std::optional<QString> OpenListFile(QWidget* parent, const QString& lastPath) = 0;
    virtual std::optional<QString> SaveListFile(QWidget* parent, const QString& lastPath) = 0;
    virtual TUnsavedChoice AskSaveList(QWidget* parent, int entries) = 0;
    virtual void Beep() = 0;
};

// The encodings the text import offers, in the order of its choice list.
extern const QStringList TextFileEncodingNames;
extern const QString TextFileFilter;
extern const QString ImageFileFilter;
extern const QString ListFileFilter;
