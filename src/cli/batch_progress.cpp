#include "cli/batch_progress.h"

#include "cli/batch_tally.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <utility>

namespace {
// How often the terminal line is rewritten, in milliseconds.
constexpr qint64 TerminalInterval = 250;

// Goes back to the start of the line and clears it.
const QString EraseLine = QStringLiteral("\r\x1b[K");

qint64 DoneOf(const TBatchTally& tally)
{
    return qint64(tally.Written()) + tally.Kept() + tally.Failed();
}

double Rate(qint64 done, qint64 milliseconds)
{
    return milliseconds > 0 ? done * 1000.0 / milliseconds : 0;
}

QString TerminalLine(qint64 done, qint64 total, qint64 milliseconds)
{
    const double rate = Rate(done, milliseconds);
    const QString left = rate > 0
                             ? QStringLiteral("%1 s left").arg((total - done) / rate, 0, 'f', 0)
                             : QStringLiteral("starting");
    return QStringLiteral("%1/%2, %3 images/s, %4")
        .arg(done)
        .arg(total)
        .arg(rate, 0, 'f', 0)
        .arg(left);
}
} // namespace

std::optional<TProgressFormat> ParseProgressFormat(const QString& text)
{
    if (text == QLatin1String("terminal"))
        return TProgressFormat::pfTerminal;
    if (text == QLatin1String("jsonl"))
        return TProgressFormat::pfJsonl;
    if (text == QLatin1String("none"))
        return TProgressFormat::pfNone;
    return std::nullopt;
}

std::optional<TProgressEvery> ParseProgressEvery(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,10})(s?)$"));
    const QRegularExpressionMatch match = form.match(text);
    const qint64 count = match.hasMatch() ? match.captured(1).toLongLong() : 0;
    if (count < 1 || count > 1000000000)
        return std::nullopt;
    if (match.captured(2).isEmpty())
        return TProgressEvery{count, 0};
    return TProgressEvery{0, count * 1000};
}

TBatchProgress::TBatchProgress(TProgressFormat format, TProgressEvery every, bool terminal,
                               TBatchShard shard, qint64 total, QTextStream& errors)
    : FFormat(format == TProgressFormat::pfTerminal && !terminal ? TProgressFormat::pfNone
                                                                 : format),
      FEvery(every), FShard(shard), FTotal(total), FErrors(errors)
{}

void TBatchProgress::Start()
{
    if (FFormat == TProgressFormat::pfJsonl)
        WriteJson(TBatchTally(), 0, std::nullopt);
    FErrors.flush();
}

void TBatchProgress::Update(const TBatchTally& tally, qint64 milliseconds)
{
    const qint64 done = DoneOf(tally);
    if (FFormat == TProgressFormat::pfTerminal) {
        if (done < FTotal && (FShownAt < 0 || milliseconds - FShownAt >= TerminalInterval)) {
            FShownAt = milliseconds;
            FErrors << EraseLine << TerminalLine(done, FTotal, milliseconds);
            FLineShown = true;
        }
    } else if (FFormat == TProgressFormat::pfJsonl) {
        const bool due =
            (FEvery.Entries > 0 && done - FShownDone >= FEvery.Entries) ||
            (FEvery.Milliseconds > 0 && milliseconds - FShownAt >= FEvery.Milliseconds);
        if (due)
            WriteJson(tally, milliseconds, std::nullopt);
    }
    FErrors.flush();
}

void TBatchProgress::Clear()
{
    if (std::exchange(FLineShown, false))
        FErrors << EraseLine;
}

void TBatchProgress::Finish(const TBatchTally& tally, qint64 milliseconds, int exitCode)
{
    Clear();
    if (FFormat == TProgressFormat::pfJsonl)
        WriteJson(tally, milliseconds, exitCode);
    FErrors.flush();
}

void TBatchProgress::WriteJson(const TBatchTally& tally, qint64 milliseconds,
                               std::optional<int> exitCode)
{
    const qint64 done = DoneOf(tally);
    QJsonObject line{{QStringLiteral("shard"), FShard.Index},
                     {QStringLiteral("shards"), FShard.Count},
                     {QStringLiteral("total"), FTotal},
                     {QStringLiteral("done"), done},
                     {QStringLiteral("written"), tally.Written()},
                     {QStringLiteral("kept"), tally.Kept()},
                     {QStringLiteral("failed"), tally.Failed()},
                     {QStringLiteral("seconds"), milliseconds / 1000.0},
                     {QStringLiteral("rate"), Rate(done, milliseconds)}};
    if (exitCode)
        line.insert(QStringLiteral("exit"), *exitCode);
    FErrors << QJsonDocument(line).toJson(QJsonDocument::Compact) << '\n';
    FShownAt = milliseconds;
    FShownDone = done;
}
