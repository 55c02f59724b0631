#include "io/name_template.h"

#include "base/zint_exception.h"
#include "io/text_table.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <utility>

namespace {
// Wide enough for any 64-bit entry number.
constexpr int MaxNumberWidth = std::numeric_limits<quint64>::digits10 + 1;

[[noreturn]] void throwMalformed(const QString& text, const QString& problem)
{
    throw EZintException(
        QStringLiteral("The file name template \"%1\" %2").arg(text, problem).toStdString());
}

[[noreturn]] void throwMissingColumn(const QString& placeholder, const QString& problem)
{
    throw EZintException(QStringLiteral("The file name field %1 cannot be filled: %2")
                             .arg(placeholder, problem)
                             .toStdString());
}

const QString FieldList =
    QStringLiteral("the fields are {n}, {n:04}, {n:09/3}, {text}, {col:NAME} and {col:3}.");

// The number zero-padded to `width` digits; a longer number is never cut.
QString PaddedNumber(qint64 number, int width)
{
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}
} // namespace

TNameTemplate::TNameTemplate() : FParts{TPart{TPartKind::pkNumber, {}, 0}} {}

TNameTemplate::TPart TNameTemplate::ParsePlaceholder(const QString& text,
                                                     const QString& placeholder)
{
    if (placeholder == QLatin1String("n"))
        return {TPartKind::pkNumber, {}, 0};
    if (placeholder == QLatin1String("text"))
        return {TPartKind::pkText, {}, 0};
    const QString braced = u'{' + placeholder + u'}';
    if (placeholder.startsWith(QLatin1String("n:"))) {
        static const QRegularExpression zeroPadded(
            QStringLiteral("^(0[0-9]{1,2})(/([0-9]{1,2}))?$"));
        const QRegularExpressionMatch match = zeroPadded.match(placeholder.mid(2));
        const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
        if (width < 1 || width > MaxNumberWidth)
            throwMalformed(text, QStringLiteral("pads the number as %1; write a 0 and the width "
                                                "from 1 to %2, as in {n:04}.")
                                     .arg(braced, QString::number(MaxNumberWidth)));
        const int group = match.hasCaptured(3) ? match.captured(3).toInt() : 0;
        if (match.hasCaptured(3) && (group < 1 || group >= width))
            throwMalformed(text, QStringLiteral("splits the number into folders as %1; write "
                                                "the digits per folder from 1 to one less than "
                                                "the width, as in {n:09/3}.")
                                     .arg(braced));
        return {TPartKind::pkNumber, {}, width, group};
    }
    if (placeholder.startsWith(QLatin1String("col:"))) {
        const QString column = placeholder.mid(4);
        static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
        if (!digits.match(column).hasMatch()) {
            if (column.trimmed().isEmpty())
                throwMalformed(text, QStringLiteral("names no column in %1; write a header "
                                                    "name or a column number.")
                                         .arg(braced));
            return {TPartKind::pkColumnName, column.trimmed(), 0};
        }
        bool inRange = false;
        const int index = column.toInt(&inRange);
        if (!inRange || index < 1)
            throwMalformed(text,
                           QStringLiteral("names column %1; columns count from 1.").arg(braced));
        return {TPartKind::pkColumnIndex, {}, index};
    }
    throwMalformed(text, QStringLiteral("has an unknown field %1; ").arg(braced) + FieldList);
}

TNameTemplate TNameTemplate::Parse(const QString& text)
{
    if (text.isEmpty())
        throw EZintException("The file name template is empty; {n} names each file by the "
                             "entry's number.");
    TNameTemplate parsed;
    parsed.FParts.clear();
    QString literal;
    const auto endLiteral = [&] {
        if (!literal.isEmpty())
            parsed.FParts.push_back({TPartKind::pkLiteral, std::exchange(literal, {}), 0});
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool doubled = i + 1 < text.size() && text.at(i + 1) == c;
        if ((c == u'{' || c == u'}') && doubled) {
            literal += c;
            ++i;
        } else if (c == u'}') {
            throwMalformed(text, QStringLiteral("has a \"}\" that closes nothing; \"}}\" "
                                                "writes a brace."));
        } else if (c == u'{') {
            const qsizetype close = text.indexOf(u'}', i + 1);
            if (close < 0)
                throwMalformed(text, QStringLiteral("has a \"{\" that is never closed; \"{{\" "
                                                    "writes a brace."));
            endLiteral();
            parsed.FParts.push_back(ParsePlaceholder(text, text.mid(i + 1, close - i - 1)));
            // Two fields would put one file into two folders.
            if (std::count_if(parsed.FParts.begin(), parsed.FParts.end(),
                              [](const TPart& part) { return part.Group > 0; }) > 1)
                throwMalformed(text, QStringLiteral("has more than one field that makes "
                                                    "folders; one {n:0W/G} field names them."));
            i = close;
        } else {
            literal += c;
        }
    }
    endLiteral();
    return parsed;
}

QString TNameTemplate::ExpandColumn(const TPart& part, const TNameFields& fields)
{
    if (part.Kind == TPartKind::pkColumnIndex) {
        const QString placeholder = QStringLiteral("{col:%1}").arg(part.Number);
        if (part.Number > fields.Cells.size())
            throwMissingColumn(placeholder,
                               QStringLiteral("the entry has no column %1.").arg(part.Number));
        return fields.Cells.at(part.Number - 1);
    }
    const QString placeholder = QStringLiteral("{col:%1}").arg(part.Value);
    for (qsizetype i = 0; i < fields.Header.size(); ++i) {
        if (fields.Header.at(i).trimmed().compare(part.Value, Qt::CaseInsensitive) != 0)
            continue;
        if (i >= fields.Cells.size())
            throwMissingColumn(
                placeholder,
                QStringLiteral("the entry has no cell in column \"%1\".").arg(fields.Header.at(i)));
        return fields.Cells.at(i);
    }
    throwMissingColumn(placeholder, QStringLiteral("there is no column \"%1\".").arg(part.Value));
}

QString TNameTemplate::Expand(const TNameFields& fields) const
{
    QString name;
    for (const TPart& part : FParts) {
        switch (part.Kind) {
        case TPartKind::pkLiteral:
            name += part.Value;
            break;
        case TPartKind::pkNumber:
            name += PaddedNumber(fields.Number, part.Number);
            break;
        case TPartKind::pkText:
            name += fields.Text;
            break;
        case TPartKind::pkColumnName:
        case TPartKind::pkColumnIndex:
            name += ExpandColumn(part, fields);
            break;
        }
    }
    return name;
}

void TNameTemplate::CheckColumns(const QStringList& header, qsizetype columnCount) const
{
    for (const TPart& part : FParts) {
        if (part.Kind != TPartKind::pkColumnName && part.Kind != TPartKind::pkColumnIndex)
            continue;
        const QString placeholder =
            QStringLiteral("{col:%1}")
                .arg(part.Kind == TPartKind::pkColumnName ? part.Value
                                                          : QString::number(part.Number));
        if (columnCount < 0)
            throwMissingColumn(placeholder, QStringLiteral("the input is not a table; read it "
                                                           "with --csv or --tsv, or leave the "
                                                           "field out."));
        const bool known = part.Kind == TPartKind::pkColumnName
                               ? !ColumnsNamed(header, part.Value).isEmpty()
                               : columnCount == 0 || part.Number <= columnCount;
        if (!known)
            throwMissingColumn(
                placeholder,
                QStringLiteral("no such column; %1.").arg(TableColumnList(header, columnCount)));
    }
}

QString TNameTemplate::FolderOf(qint64 number) const
{
    for (const TPart& part : FParts) {
        if (part.Group == 0)
            continue;
        const QString digits = PaddedNumber(number, part.Number);
        QString leading = digits.left(digits.size() - part.Group);
        QStringList folders;
        // The first folder takes the digits of a number wider than the field.
        for (int level = 1; level < (part.Number - 1) / part.Group; ++level) {
            folders.prepend(leading.right(part.Group));
            leading.chop(part.Group);
        }
        folders.prepend(leading);
        return folders.join(u'/');
    }
    return {};
}
