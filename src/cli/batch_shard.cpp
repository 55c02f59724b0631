#include "cli/batch_shard.h"

#include <QRegularExpression>

qint64 TBatchShard::CountOf(qint64 first, qint64 count) const
{
    // The part's numbers below `end`, from 0 on.
    const auto below = [this](qint64 end) { return end / Count + (end % Count > Index); };
    return below(first + count) - below(first);
}

std::optional<TBatchShard> ParseShard(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]+)/([0-9]+)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool indexRead = false;
    bool countRead = false;
    const TBatchShard shard{match.captured(1).toLongLong(&indexRead),
                            match.captured(2).toLongLong(&countRead)};
    if (!indexRead || !countRead || shard.Count < 1 || shard.Index >= shard.Count)
        return std::nullopt;
    return shard;
}
