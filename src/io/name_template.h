#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What a file name template can draw on for one entry.
struct TNameFields
{
    qint64 Number = 0; // the entry's 1-based number in the whole list
    QString Text;
    QStringList Header; // the column names of a table input; empty for plain text
    QStringList Cells;
};

// A pattern for the names of exported files, such as "{col:SKU}-{n:04}": literal text with
// the placeholders {n} (entry number), {n:0W} (zero-padded to W digits), {n:0W/G}, {text},
// {col:NAME} (the cell under that header, case ignored) and {col:K} (the K-th cell, 1-based);
// "{{" and "}}" stand for braces. The default template is "{n}".
// {n:0W/G} (G from 1 to W-1, one such field per template) writes what {n:0W} writes and also
// puts the file into subfolders named by the leading digits of that padded number: all but its
// last G digits, split from the right into groups of G, the first group taking what is left.
// The depth is fixed by W and G, (W-1)/G folders, so that a folder holds at most 10^G files or
// folders: {n:09/3} puts entry 123456 into 000/123/000123456 and entry 1234567890 into
// 1234/567/1234567890.
class TNameTemplate final
{
public:
    TNameTemplate();

    // Raises EZintException saying what is wrong, before anything is written.
    static TNameTemplate Parse(const QString& text);

    // The name for one entry, not yet made safe for a file system (SafeFileName). Raises
    // EZintException when the entry lacks a column the template names.
    QString Expand(const TNameFields& fields) const;

    // Raises EZintException when a {col:...} field names a column that the input lacks: a
    // header name not in `header`, a number past `columnCount`, or any column at all when the
    // input is not a table (`columnCount` -1).
    void CheckColumns(const QStringList& header, qsizetype columnCount) const;

    // The subfolder that a {n:0W/G} field puts entry `number` into, as "000/123"; empty
    // without such a field.
    QString FolderOf(qint64 number) const;

private:
    enum class TPartKind
    {
        pkLiteral,
        pkNumber,
        pkText,
        pkColumnName,
        pkColumnIndex
    };
    struct TPart
    {
        TPartKind Kind = TPartKind::pkLiteral;
        QString Value;  // the literal text or the column name
        int Number = 0; // the zero-padded width, or the 1-based column
        int Group = 0;  // the digits per subfolder of a number; 0: no subfolders
    };

    static TPart ParsePlaceholder(const QString& text, const QString& placeholder);
    static QString ExpandColumn(const TPart& part, const TNameFields& fields);

    std::vector<TPart> FParts;
};
