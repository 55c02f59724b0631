#include "cli/batch_input.h"

#include "base/zint_exception.h"
#include "io/text_table.h"

#include <algorithm>

TBatchInputReader::TBatchInputReader(const TBatchSettings& settings,
                                     std::function<bool(qint64)> remembers)
    : FSettings(settings), FRemembers(std::move(remembers)),
      FInput(settings.InputPath, settings.Encoding, -1)
{
    Restart();
}

void TBatchInputReader::Restart()
{
    FInput.Rewind();
    FHandedOut = 0;
    FLineNumbers.clear();
    if (!FSettings.TableDelimiter) {
        FLines = std::make_unique<TLineReader>(FInput);
        return;
    }
    FRecords = std::make_unique<TRecordReader>(FInput, *FSettings.TableDelimiter);
    TTableRecord header;
    if (FSettings.TableHasHeader && FRecords->Next(header))
        FHeader = std::move(header.Cells);
}

void TBatchInputReader::Check(const std::function<void(qint64, qsizetype)>& seen)
{
    const auto prefixed = [&](const EZintException& error) {
        return EZintException(QStringLiteral("Cannot use \"%1\": %2")
                                  .arg(FInput.Name(), QString::fromUtf8(error.what()))
                                  .toStdString());
    };
    qsizetype widest = FHeader.size();
    if (FRecords) {
        // A named column is known from the header; a number only once every record is read.
        const bool byNumber = FSettings.TextColumn.trimmed().toInt() > 0;
        try {
            FColumn =
                TableColumnIndex(FHeader, byNumber ? 0 : FHeader.size(), FSettings.TextColumn);
        } catch (const EZintException& error) {
            throw prefixed(error);
        }
        TTableRecord record;
        while (FRecords->Next(record)) {
            widest = std::max(widest, record.Cells.size());
            const bool entry = FColumn < record.Cells.size() && !record.Cells.at(FColumn).isEmpty();
            FCount += entry;
            if (entry && seen)
                seen(FCount, record.LineNumber);
        }
        try {
            TableColumnIndex(FHeader, widest, FSettings.TextColumn);
        } catch (const EZintException& error) {
            throw prefixed(error);
        }
    } else {
        for (TNumberedLine line; FLines->Next(line);) {
            ++FCount;
            if (seen)
                seen(FCount, line.LineNumber);
        }
    }
    FSettings.Names.CheckColumns(FHeader, FRecords ? widest : -1);
    for (const TLabelTextLine& line : FSettings.SheetPlacement.Text.Lines)
        line.Template.CheckColumns(FHeader, FRecords ? widest : -1);
    Restart();
}

bool TBatchInputReader::NextWithLine(TExportEntry& entry, qsizetype& line)
{
    if (FLines) {
        TNumberedLine read;
        if (!FLines->Next(read))
            return false;
        entry = {std::move(read.Text), {}};
        line = read.LineNumber;
        return true;
    }
    TTableRecord record;
    while (FRecords->Next(record)) {
        if (FColumn >= record.Cells.size() || record.Cells.at(FColumn).isEmpty())
            continue;
        entry.Text = record.Cells.at(FColumn);
        entry.Cells = std::move(record.Cells);
        line = record.LineNumber;
        return true;
    }
    return false;
}

bool TBatchInputReader::Next(TExportEntry& entry)
{
    qsizetype line = 0;
    if (!NextWithLine(entry, line))
        return false;
    if (FRemembers(FHandedOut + 1))
        FLineNumbers.emplace_back(FHandedOut, line);
    ++FHandedOut;
    return true;
}

qsizetype TBatchInputReader::LineOf(qsizetype index)
{
    while (!FLineNumbers.empty() && FLineNumbers.front().first < index)
        FLineNumbers.pop_front();
    if (FLineNumbers.empty() || FLineNumbers.front().first != index)
        return 0;
    const qsizetype line = FLineNumbers.front().second;
    FLineNumbers.pop_front();
    return line;
}
