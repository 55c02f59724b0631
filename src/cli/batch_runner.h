#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QImage;
class QTextStream;
class TZintRenderTargetWMF;
class TZintSymbol;
struct TBatchSettings;

// The exit status of a run.
enum TBatchExitCode
{
    becAllWritten = 0,
    becSomeFailed = 1,
    becUsageOrInput = 2
};

// Renders entries through the window's render pipeline with a symbol of its own and writes
// each into a new file. Workers share nothing but the read-only settings, so entries can be
// shared out between several of them.
class TBatchWorker final
{
public:
    explicit TBatchWorker(const TBatchSettings& settings);
    ~TBatchWorker();

    // The picture of one text, as the preview would show it. Raises EZintException.
    QImage RenderEntry(const QString& text);
    // Writes entry `number` (1-based) as "<number><ext>" in the output folder, or under the
    // next free numbered name; nothing is ever replaced. Returns the name written.
    QString WriteEntry(int number, const QString& text);

private:
    void ApplyRenderSettings(TZintRenderTargetWMF& target) const;

    const TBatchSettings& FSettings;
    std::unique_ptr<TZintSymbol> FSymbol;
};

// The texts of the input (a file, or standard input for "-"), read by the import's rules.
// Raises EZintException when it cannot be read or decoded.
QStringList ReadBatchInput(const TBatchSettings& settings);

// The whole run: reads the input, creates the output folder, writes every entry. An entry that
// fails is reported on `errors` as "line N: <symbology>: error: ..." and skipped.
TBatchExitCode RunBatch(const TBatchSettings& settings, QTextStream& errors);
