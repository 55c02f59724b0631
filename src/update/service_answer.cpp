#include "update/service_answer.h"

#include <QRegularExpression>

#include <optional>
#include <vector>

namespace {
constexpr int MaxVersionParts = 4;

// The numbers of a plain version; nothing when `version` is not one. Eight digits a part at
// most keeps every part an int.
std::optional<std::vector<int>> VersionParts(const QString& version)
{
    static const QRegularExpression part(QStringLiteral("^(0|[1-9][0-9]{0,7})$"));
    const QStringList texts = version.split(QLatin1Char('.'));
    if (texts.size() > MaxVersionParts)
        return std::nullopt;
    std::vector<int> parts;
    for (const QString& text : texts) {
        if (!part.match(text).hasMatch())
            return std::nullopt;
        parts.push_back(text.toInt());
    }
    parts.resize(MaxVersionParts, 0);
    return parts;
}
} // namespace

QStringList ResponseLines(const QString& body)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = body.split(lineBreak);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool IsNewerVersion(const QString& offered, const QString& running)
{
    const std::optional<std::vector<int>> offeredParts = VersionParts(offered);
    const std::optional<std::vector<int>> runningParts = VersionParts(running);
    return offeredParts && runningParts && *offeredParts > *runningParts;
}
