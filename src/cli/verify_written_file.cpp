#include "cli/verify_written_file.h"

#include "cli/failed_file.h"
#include "cli/verify_read_back.h"
#include "cli/written_picture.h"

#include <QFileInfo>
#include <QImage>

#include <exception>

namespace {
TEntryOutcome Outcome(TEntryState state, const QString& note = {})
{
    TEntryOutcome outcome;
    outcome.State = state;
    outcome.Note = note;
    return outcome;
}
} // namespace

TEntryOutcome VerifyWrittenFile(const QString& path, TZintSymbology symbology, const QString& text,
                                const QString& primaryMessage, int dpi)
{
    const TReadBackCheck check =
        CheckReadBack(symbology, text, primaryMessage, LoadWrittenPicture(path, dpi));
    if (!check.Verifiable) {
        // The whole symbology is named once before the run; single entries here.
        if (!IsVerifiable(symbology))
            return Outcome(TEntryState::esNotVerifiable);
        return Outcome(
            TEntryState::esNotVerifiable,
            QStringLiteral("not verifiable (the decoder reads no EAN/UPC add-on alone)"));
    }
    if (check.Matches)
        return Outcome(TEntryState::esVerified);
    // No reader's word either way: a fault of the readers as likely as of the file.
    if (!check.Read)
        return Outcome(TEntryState::esUnconfirmed,
                       QStringLiteral("unconfirmed (no reader read it; the file is kept)"));
    QString message = QStringLiteral("does not read back (read: \"%1\")").arg(*check.Read);
    try {
        message += QStringLiteral("; set aside as \"%1\"")
                       .arg(QFileInfo(SetAsideFailedFile(path)).fileName());
    } catch (const std::exception& error) {
        message += QStringLiteral("; ") + QString::fromUtf8(error.what());
    }
    return Outcome(TEntryState::esFailed, message);
}
