#include "cli/batch_tally.h"

void TBatchTally::Count(TEntryState state)
{
    switch (state) {
    case TEntryState::esWritten:
        ++FWritten;
        break;
    case TEntryState::esVerified:
        ++FWritten;
        ++FVerified;
        break;
    case TEntryState::esNotVerifiable:
        ++FWritten;
        ++FNotVerifiable;
        break;
    case TEntryState::esUnconfirmed:
        ++FWritten;
        ++FUnconfirmed;
        break;
    case TEntryState::esFailed:
        ++FFailed;
        break;
    case TEntryState::esNotWritten:
        ++FFailed;
        ++FNotWritten;
        break;
    case TEntryState::esKept:
        ++FKept;
        break;
    }
}

QString TBatchTally::SummaryLine(bool verify, double seconds) const
{
    QString line = QStringLiteral("written %1, ").arg(FWritten);
    if (FKept > 0)
        line += QStringLiteral("kept %1, ").arg(FKept);
    if (verify)
        line += QStringLiteral("verified %1, unconfirmed %2, not verifiable %3, ")
                    .arg(FVerified)
                    .arg(FUnconfirmed)
                    .arg(FNotVerifiable);
    return line + QStringLiteral("failed %1, %2 s, %3 images/s")
                      .arg(FFailed)
                      .arg(seconds, 0, 'f', 2)
                      .arg(seconds > 0 ? FWritten / seconds : 0.0, 0, 'f', 0);
}
