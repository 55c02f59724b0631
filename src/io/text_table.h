#pragma once

#include "io/text_import.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One record of a delimited file and the line its first cell stands on (1-based, counted as
// TNumberedLine counts; a quoted line break moves the next record's line on).
struct TTableRecord
{
    QStringList Cells;
    qsizetype LineNumber = 0;
};

// A CSV or TSV file: the header (empty without one) and the records, empty lines left out.
// Records may have fewer or more cells than the header.
struct TTextTable
{
    QStringList Header;
    std::vector<TTableRecord> Records;
};

// Reads delimited text as RFC 4180 writes it: a field in double quotes may hold delimiters,
// line breaks and doubled quotes; records end at CR, LF or CR LF. The bytes are decoded as the
// text import decodes them (a byte-order mark overrides the choice). With hasHeader the first
// record is the header. Raises EZintException naming the line for an unclosed quote, a quote
// inside an unquoted field, text after a closing quote, or bytes invalid in the encoding.
TTextTable ParseDelimitedText(const QByteArray& bytes, TTextEncoding encoding, QChar delimiter,
                              bool hasHeader);
// Reads the whole file, then parses it as ParseDelimitedText does.
TTextTable ReadTextTable(const QString& path, TTextEncoding encoding, QChar delimiter,
                         bool hasHeader);

// The 0-based column that `nameOrNumber` names: a number counts from 1, a name is matched
// against the header, blanks around it and letter case ignored. Raises EZintException listing
// the columns when it names none, or a name that several columns share.
int TableColumnIndex(const TTextTable& table, const QString& nameOrNumber);

// The 0-based columns of `header` that `name` names, blanks around names and letter case
// ignored.
QList<int> ColumnsNamed(const QStringList& header, const QString& name);

// Leaves the records that hold text in `column`: one whose cell there is empty, or that ends
// before it, is left out as an empty line of a text file is.
void KeepRecordsWithText(TTextTable& table, int column);

// The delimiter a file's extension promises: comma for .csv, tab for .tsv and .tab; none for
// any other file, which is read as plain lines.
std::optional<QChar> TableDelimiterForFile(const QString& path);
