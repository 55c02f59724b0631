#include "update/service_answer.h"

#include <QRegularExpression>

QStringList ResponseLines(const QString& body)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = body.split(lineBreak);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool IsNumericVersion(const QString& version)
{
    QString digits = version;
    digits.remove(QLatin1Char('.'));
    static const QRegularExpression allDigits(QStringLiteral("^[0-9]+$"));
    bool fits = false;
    digits.toInt(&fits);
    return allDigits.match(digits).hasMatch() && fits;
}
