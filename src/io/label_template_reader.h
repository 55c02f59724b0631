#pragma once

#include "io/label_shape.h"

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

class QIODevice;

// One grid of labels, in millimetres from the page's top left corner.
struct TLabelLayout
{
    int Across = 0;
    int Down = 0;
    double Left = 0;
    double Top = 0;
    double StepAcross = 0; // from one label's left edge to the next one's
    double StepDown = 0;
};

// A label product as a glabels template file describes it, not yet checked against its page.
struct TLabelTemplate
{
    QString Brand;
    QString Part;
    QString Description;
    QString Equiv;   // the part of the same brand whose labels these are, when set
    QString PaperId; // "A4", "US-Letter"..., or "Other" with Paper set
    QSizeF Paper;
    TLabelOutline Outline;
    int Shapes = 0;      // label elements found; products with several are not read
    QSizeF Label;        // the box of the outline
    QString Unsupported; // why these labels cannot be filled, though the template reads
    std::vector<TLabelLayout> Layouts;
    QString Where; // "file:line", for messages
};

struct TLabelTemplateFile
{
    std::vector<TLabelTemplate> Templates;
    std::map<QString, QSizeF> PaperSizes; // by id, in millimetres
    QStringList Problems;                 // templates skipped, or why the whole file was
};

// The largest template file read; the biggest installed one is about 100 KB.
constexpr qint64 MaxLabelTemplateFileBytes = 4 * 1024 * 1024;

// Reads a glabels template file or paper size list. The files come from any user's folder:
// every number is checked, and a template that does not read is skipped and reported.
TLabelTemplateFile ReadLabelTemplateFile(QIODevice& device, const QString& name);
