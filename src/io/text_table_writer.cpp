#include "io/text_table_writer.h"

namespace {
QString Field(const QString& cell, QChar delimiter)
{
    const bool quoted = cell.contains(delimiter) || cell.contains(QLatin1Char('"')) ||
                        cell.contains(QLatin1Char('\r')) || cell.contains(QLatin1Char('\n')) ||
                        (!cell.isEmpty() && (cell.front().isSpace() || cell.back().isSpace()));
    if (!quoted)
        return cell;
    QString field = cell;
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}
} // namespace

QByteArray WriteDelimitedText(const std::vector<QStringList>& records, QChar delimiter)
{
    QString text;
    for (const QStringList& record : records) {
        QStringList fields;
        for (const QString& cell : record)
            fields << Field(cell, delimiter);
        // A record of one empty cell would be an empty line, which a reader leaves out.
        if (fields.size() == 1 && fields.constFirst().isEmpty())
            fields[0] = QStringLiteral("\"\"");
        text += fields.join(delimiter) + QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
