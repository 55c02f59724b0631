#include "io/text_table.h"

#include "base/zint_exception.h"
#include "io/text_input.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Cuts the cells of one record out of its text, which holds no line end outside quotes.
class TRecordParser final
{
public:
    TRecordParser(const QString& source, const QChar* begin, const QChar* end, QChar delimiter,
                  qsizetype line)
        : FSource(source), FPosition(begin), FEnd(end), FDelimiter(delimiter), FLine(line)
    {}

    // The line the record ends on.
    qsizetype Line() const { return FLine; }

    QStringList Cells(qsizetype expected)
    {
        QStringList cells;
        cells.reserve(expected);
        for (;;) {
            cells.append(*FPosition == u'"' ? QuotedCell() : PlainCell());
            if (FPosition == FEnd)
                break;
            // A delimiter at the very end still opens one more, empty, cell.
            if (++FPosition == FEnd) {
                cells.append(QString());
                break;
            }
        }
        return cells;
    }

private:
    [[noreturn]] void ThrowAtLine(qsizetype line, const QString& problem) const
    {
        throw EZintException(QStringLiteral("Cannot read \"%1\": line %2: %3")
                                 .arg(FSource)
                                 .arg(line)
                                 .arg(problem)
                                 .toStdString());
    }

    QString PlainCell()
    {
        const QChar* const start = FPosition;
        for (; FPosition != FEnd && *FPosition != FDelimiter; ++FPosition)
            if (*FPosition == u'"')
                ThrowAtLine(FLine, QStringLiteral("quote inside an unquoted field; put the whole "
                                                  "field in quotes and write the quote twice."));
        return QString(start, FPosition - start);
    }

    QString QuotedCell()
    {
        const qsizetype openingLine = FLine;
        QString cell;
        const QChar* segment = ++FPosition;
        for (;;) {
            if (FPosition == FEnd)
                ThrowAtLine(openingLine, QStringLiteral("unclosed quote; the quoted field that "
                                                        "starts here never ends. Close it."));
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
        if (FPosition != FEnd && *FPosition != FDelimiter)
            ThrowAtLine(FLine, QStringLiteral("text after the closing quote of a field; a quote "
                                              "inside a quoted field is written twice."));
        return cell;
    }

    const QString& FSource;
    const QChar* FPosition;
    const QChar* const FEnd;
    const QChar FDelimiter;
    qsizetype FLine;
};

qsizetype columnCount(const TTextTable& table)
{
    qsizetype count = table.Header.size();
    for (const TTableRecord& record : table.Records)
        count = std::max(count, record.Cells.size());
    return count;
}

[[noreturn]] void throwNoColumn(const QString& problem, const QStringList& header, qsizetype count)
{
    throw EZintException(
        (problem + QStringLiteral("; ") + TableColumnList(header, count)).toStdString());
}

bool isNumber(const QString& text)
{
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

TTextTable readTable(TTextInput& input, QChar delimiter, bool hasHeader)
{
    TTextTable table;
    TRecordReader reader(input, delimiter);
    TTableRecord record;
    if (hasHeader && reader.Next(record))
        table.Header = std::move(record.Cells);
    while (reader.Next(record))
        table.Records.push_back(std::move(record));
    return table;
}

} // namespace

qsizetype TRecordReader::RecordEnd(bool& ended)
{
    enum TState
    {
        sFieldStart,
        sPlain,
        sQuoted
    } state = sFieldStart;
    qsizetype scanned = 0;
    for (;;) {
        const QString& buffer = FInput.Buffer();
        const qsizetype start = FInput.Start();
        qsizetype p = start + scanned;
        // Stops where the record ends, or where more text is needed to tell.
        for (; p < buffer.size(); ++p) {
            const QChar c = buffer[p];
            if (state == sQuoted) {
                if (c != u'"')
                    continue;
                if (p + 1 == buffer.size() && !ended)
                    break;
                if (p + 1 < buffer.size() && buffer[p + 1] == u'"')
                    ++p;
                else
                    state = sPlain;
            } else if (c == FDelimiter) {
                state = sFieldStart;
            } else if (isLineEnd(c)) {
                if (c == u'\r' && p + 1 == buffer.size() && !ended)
                    break;
                return p;
            } else {
                state = state == sFieldStart && c == u'"' ? sQuoted : sPlain;
            }
        }
        if (p == buffer.size() && ended)
            return p;
        scanned = p - start;
        ended = !FInput.ReadMore(FLine);
    }
}

bool TRecordReader::Next(TTableRecord& record)
{
    bool ended = false;
    for (;;) {
        const qsizetype end = RecordEnd(ended);
        const QString& buffer = FInput.Buffer();
        const qsizetype start = FInput.Start();
        if (end == start && end == buffer.size())
            return false;
        qsizetype next = end;
        if (end < buffer.size())
            next +=
                buffer[end] == u'\r' && end + 1 < buffer.size() && buffer[end + 1] == u'\n' ? 2 : 1;
        if (end == start) {
            // An empty line holds no record.
            FInput.ConsumeTo(next);
            ++FLine;
            continue;
        }
        TRecordParser parser(FInput.Name(), buffer.constData() + start, buffer.constData() + end,
                             FDelimiter, FLine);
        record.Cells = parser.Cells(record.Cells.size());
        record.LineNumber = FLine;
        FLine = parser.Line() + 1;
        FInput.ConsumeTo(next);
        return true;
    }
}

TTextTable ParseDelimitedText(const QByteArray& bytes, TTextEncoding encoding, QChar delimiter,
                              bool hasHeader)
{
    TTextInput input(bytes, encoding, QStringLiteral("the text"));
    return readTable(input, delimiter, hasHeader);
}

TTextTable ReadTextTable(const QString& path, TTextEncoding encoding, QChar delimiter,
                         bool hasHeader)
{
    TTextInput input(path, encoding, kWholeTextSizeCap);
    TTextTable table = readTable(input, delimiter, hasHeader);
    if (table.Records.empty())
        ThrowNoTexts(input.Name());
    return table;
}

int TableColumnIndex(const TTextTable& table, const QString& nameOrNumber)
{
    return TableColumnIndex(table.Header, columnCount(table), nameOrNumber);
}

int TableColumnIndex(const QStringList& header, qsizetype count, const QString& nameOrNumber)
{
    const QString wanted = nameOrNumber.trimmed();
    if (isNumber(wanted)) {
        bool valid = false;
        const int number = wanted.toInt(&valid);
        // An empty table has no columns to check against, and nothing to take from any.
        if (valid && number >= 1 && (count == 0 || number <= count))
            return number - 1;
        throwNoColumn(QStringLiteral("there is no column %1").arg(wanted), header, count);
    }
    if (header.isEmpty())
        throwNoColumn(QStringLiteral("no column is named \"%1\"").arg(wanted), header, count);
    const QList<int> matches = ColumnsNamed(header, wanted);
    if (matches.isEmpty())
        throwNoColumn(QStringLiteral("no column is named \"%1\"").arg(wanted), header, count);
    if (matches.size() > 1)
        throwNoColumn(
            QStringLiteral("several columns are named \"%1\"; give its number").arg(wanted), header,
            count);
    return matches.constFirst();
}

QString TableColumnList(const QStringList& header, qsizetype count)
{
    if (header.isEmpty())
        return QStringLiteral("the table has no header; its columns are 1 to %1").arg(count);
    // A wide table would fill the terminal with names nobody reads.
    constexpr qsizetype kListed = 20;
    QStringList names;
    for (qsizetype i = 0; i < std::min(header.size(), kListed); ++i)
        names << QStringLiteral("%1 \"%2\"").arg(i + 1).arg(header.at(i).left(40));
    QString list = QStringLiteral("the columns are ") + names.join(QStringLiteral(", "));
    if (header.size() > kListed)
        list += QStringLiteral(" and %1 more").arg(header.size() - kListed);
    return list;
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
