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
// Reads a file the user chose, whole (refused over kWholeTextSizeCap), as ParseDelimitedText
// does. A table without any record is refused too, with a message that says so.
TTextTable ReadTextTable(const QString& path, TTextEncoding encoding, QChar delimiter,
                         bool hasHeader);

class TTextInput;

// The records of delimited text, one at a time, read as ParseDelimitedText reads them; only the
// record being read is held. Raises EZintException naming the input and the line.
class TRecordReader final
{
public:
    TRecordReader(TTextInput& input, QChar delimiter) : FInput(input), FDelimiter(delimiter) {}
    // The next record; false after the last.
    bool Next(TTableRecord& record);

private:
    qsizetype RecordEnd(bool& ended);

    TTextInput& FInput;
    QChar FDelimiter;
    qsizetype FLine = 1;
};

// The 0-based column that `nameOrNumber` names: a number counts from 1, a name is matched
// against the header, blanks around it and letter case ignored. Raises EZintException listing
// the columns when it names none, or a name that several columns share.
int TableColumnIndex(const TTextTable& table, const QString& nameOrNumber);
// The same for a table known by its header and its widest record's number of cells.
int TableColumnIndex(const QStringList& header, qsizetype columnCount, const QString& nameOrNumber);

// "the columns are 1 "A", 2 "B", ..." for messages, at most a screenful of them.
QString TableColumnList(const QStringList& header, qsizetype columnCount);

// The 0-based columns of `header` that `name` names, blanks around names and letter case
// ignored.
QList<int> ColumnsNamed(const QStringList& header, const QString& name);

// Leaves the records that hold text in `column`: one whose cell there is empty, or that ends
// before it, is left out as an empty line of a text file is.
void KeepRecordsWithText(TTextTable& table, int column);

// The delimiter a file's extension promises: comma for .csv, tab for .tsv and .tab; none for
// any other file, which is read as plain lines.
std::optional<QChar> TableDelimiterForFile(const QString& path);
