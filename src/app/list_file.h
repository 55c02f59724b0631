#pragma once

#include "io/text_table.h"

#include <QStringList>

// What one file brings to the list: its non-empty lines, or for a table the records that hold
// text in the chosen column.
struct TListFile
{
    QStringList Texts;
    TTextTable Table;
    int TextColumn = -1; // -1: a plain text file
};
