#include "io/text_table.h"

#include "base/zint_exception.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

[[noreturn]] void throwAtLine(qsizetype line, const QString& problem)
{
    throw EZintException(QStringLiteral("line %1: %2").arg(line).arg(problem).toStdString());
}

QString decodeTable(const QByteArray& bytes, TTextEncoding encoding)
{
    try {
        return DecodeText(bytes, encoding);
    } catch (const ETextDecodeError& error) {
        throw EZintException(QStringLiteral("line %1, byte %2: not valid %3 text")
                                 .arg(error.Line())
                                 .arg(error.ByteOffset())
                                 .arg(TextEncodingNames().at(static_cast<int>(error.Encoding())))
                                 .toStdString());
    }
}

// One pass over the decoded text; cells are cut straight out of it.
class TTableParser final
{
public:
    TTableParser(const QString& text, QChar delimiter)
        : FPosition(text.constData()), FEnd(text.constData() + text.size()), FDelimiter(delimiter)
    {}

    TTextTable Parse(bool hasHeader)
    {
        TTextTable table;
        bool headerPending = hasHeader;
        qsizetype lastCellCount = 1;
        while (FPosition != FEnd) {
            if (IsLineEnd(*FPosition)) {
                SkipLineEnd();
                continue;
            }
            TTableRecord record;
            record.LineNumber = FLine;
            record.Cells.reserve(lastCellCount);
            for (;;) {
                record.Cells.append(*FPosition == u'"' ? QuotedCell() : PlainCell());
                if (FPosition == FEnd || *FPosition != FDelimiter)
                    break;
                // A delimiter at the very end still opens one more, empty, cell.
                if (++FPosition == FEnd) {
                    record.Cells.append(QString());
                    break;
                }
            }
            if (FPosition != FEnd)
                SkipLineEnd();
            lastCellCount = record.Cells.size();
            if (std::exchange(headerPending, false))
                table.Header = std::move(record.Cells);
            else
                table.Records.push_back(std::move(record));
        }
        return table;
    }

private:
    static bool IsLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

    // Steps over one line end, CR LF counting once.
    void SkipLineEnd()
    {
        if (*FPosition == u'\r' && FPosition + 1 != FEnd && FPosition[1] == u'\n')
            ++FPosition;
        ++FPosition;
        ++FLine;
    }

    QString PlainCell()
    {
        const QChar* const start = FPosition;
        for (; FPosition != FEnd; ++FPosition) {
            const QChar c = *FPosition;
            if (c == FDelimiter || IsLineEnd(c))
                break;
            if (c == u'"')
                throwAtLine(FLine, QStringLiteral("quote inside an unquoted field; put the whole "
                                                  "field in quotes and write the quote twice"));
        }
        return QString(start, FPosition - start);
    }

    QString QuotedCell()
    {
        const qsizetype openingLine = FLine;
        QString cell;
        const QChar* segment = ++FPosition;
        for (;;) {
            if (FPosition == FEnd)
                throwAtLine(openingLine, QStringLiteral("unclosed quote; the quoted field that "
                                                        "starts here never ends"));
            const QChar c = *FPosition;
            if (c == u'"') {
                // Most cells are one piece, made to measure.
                if (cell.isNull())
                    cell = QString(segment, FPosition - segment);
                else
                    cell.append(segment, FPosition - segment);
                ++FPosition;
                if (FPosition == FEnd || *FPosition != u'"')
                    break;
                // A doubled quote: the second one starts the next piece of the cell.
                segment = FPosition++;
                continue;
            }
            if (c == u'\n' || (c == u'\r' && (FPosition + 1 == FEnd || FPosition[1] != u'\n')))
                ++FLine;
            ++FPosition;
        }
        if (FPosition != FEnd && *FPosition != FDelimiter && !IsLineEnd(*FPosition))
            throwAtLine(FLine, QStringLiteral("text after the closing quote of a field; a quote "
                                              "inside a quoted field is written twice"));
        return cell;
    }

    const QChar* FPosition;
    const QChar* const FEnd;
    const QChar FDelimiter;
    qsizetype FLine = 1;
};

qsizetype columnCount(const TTextTable& table)
{
    qsizetype count = table.Header.size();
    for (const TTableRecord& record : table.Records)
        count = std::max(count, record.Cells.size());
    return count;
}

QString columnList(const TTextTable& table, qsizetype count)
{
    if (table.Header.isEmpty())
        return QStringLiteral("the table has no header; its columns are 1 to %1").arg(count);
    QStringList names;
    for (qsizetype i = 0; i < table.Header.size(); ++i)
        names << QStringLiteral("%1 \"%2\"").arg(i + 1).arg(table.Header.at(i));
    return QStringLiteral("the columns are ") + names.join(QStringLiteral(", "));
}

[[noreturn]] void throwNoColumn(const QString& problem, const TTextTable& table, qsizetype count)
{
    throw EZintException((problem + QStringLiteral("; ") + columnList(table, count)).toStdString());
}

bool isNumber(const QString& text)
{
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

TTextTable ParseDelimitedText(const QByteArray& bytes, TTextEncoding encoding, QChar delimiter,
                              bool hasHeader)
{
    const QString text = decodeTable(bytes, encoding);
    return TTableParser(text, delimiter).Parse(hasHeader);
}

TTextTable ReadTextTable(const QString& path, TTextEncoding encoding, QChar delimiter,
                         bool hasHeader)
{
    // The file's bytes are gone before the table is cut, which lowers the peak for big files.
    const QString text = decodeTable(ReadFileBytes(path), encoding);
    return TTableParser(text, delimiter).Parse(hasHeader);
}

int TableColumnIndex(const TTextTable& table, const QString& nameOrNumber)
{
    const QString wanted = nameOrNumber.trimmed();
    const qsizetype count = columnCount(table);
    if (isNumber(wanted)) {
        bool valid = false;
        const int number = wanted.toInt(&valid);
        // An empty table has no columns to check against, and nothing to take from any.
        if (valid && number >= 1 && (count == 0 || number <= count))
            return number - 1;
        throwNoColumn(QStringLiteral("there is no column %1").arg(wanted), table, count);
    }
    if (table.Header.isEmpty())
        throwNoColumn(QStringLiteral("no column is named \"%1\"").arg(wanted), table, count);
    const QList<int> matches = ColumnsNamed(table.Header, wanted);
    if (matches.isEmpty())
        throwNoColumn(QStringLiteral("no column is named \"%1\"").arg(wanted), table, count);
    if (matches.size() > 1)
        throwNoColumn(
            QStringLiteral("several columns are named \"%1\"; give its number").arg(wanted), table,
            count);
    return matches.constFirst();
}

QList<int> ColumnsNamed(const QStringList& header, const QString& name)
{
    const QString wanted = name.trimmed();
    QList<int> columns;
    for (int i = 0; i < header.size(); ++i)
        if (header.at(i).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            columns << i;
    return columns;
}

void KeepRecordsWithText(TTextTable& table, int column)
{
    const auto empty = [column](const TTableRecord& record) {
        return column >= record.Cells.size() || record.Cells.at(column).isEmpty();
    };
    table.Records.erase(std::remove_if(table.Records.begin(), table.Records.end(), empty),
                        table.Records.end());
}

std::optional<QChar> TableDelimiterForFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return QLatin1Char(',');
    if (suffix == QLatin1String("tsv") || suffix == QLatin1String("tab"))
        return QLatin1Char('\t');
    return std::nullopt;
}
