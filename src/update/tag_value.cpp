#include "update/tag_value.h"

QString TagValue(const QString& line, const QString& name)
{
    const QString open = QLatin1Char('<') + name.toLower() + QLatin1Char('>');
    const QString close = QStringLiteral("</") + name.toLower() + QLatin1Char('>');
    if (line.size() < open.size() + close.size() || !line.startsWith(open) || !line.endsWith(close))
        return {};
    return line.mid(open.size(), line.size() - open.size() - close.size());
}
