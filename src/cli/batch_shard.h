#pragma once

#include <QString>

#include <optional>

// One of Count parts of a run that separate machines or jobs write without talking to each
// other: the entries whose 1-based number modulo Count is Index. The numbers are those of the
// whole input, so every part names its files as the whole run would.
struct TBatchShard
{
    qint64 Index = 0;
    qint64 Count = 1;

    bool Contains(qint64 entryNumber) const { return entryNumber % Count == Index; }
    // How many of the `count` entries numbered from `first` on the part holds.
    qint64 CountOf(qint64 first, qint64 count) const;
};

// "K/N" with N at least 1 and K from 0 to N-1.
std::optional<TBatchShard> ParseShard(const QString& text);
