#include "cli/verify_written_file.h"

#include "cli/failed_file.h"
#include "cli/verify_read_back.h"
#include "cli/written_picture.h"

#include <QFileInfo>
#include <QImage>

#include <exception>

TEntryOutcome VerifyWrittenFile(const QString& path, TZintSymbology symbology, const QString& text,
                                const QString& primaryMessage, int dpi)
{
    const TReadBackCheck check =
        CheckReadBack(symbology, text, primaryMessage, LoadWrittenPicture(path, dpi));
    if (!check.Verifiable) {
        // The whole symbology is named once before the run; single entries here.
        if (!IsVerifiable(symbology))
            return {TEntryState::esNotVerifiable, {}};
        return {TEntryState::esNotVerifiable,
                QStringLiteral("not verifiable (the decoder reads no EAN/UPC add-on alone)")};
    }
    if (check.Matches)
        return {TEntryState::esVerified, {}};
    QString message = QStringLiteral("does not read back (read: %1)")
                          .arg(check.Read ? QStringLiteral("\"%1\"").arg(*check.Read)
                                          : QStringLiteral("nothing"));
    try {
        message += QStringLiteral("; set aside as \"%1\"")
                       .arg(QFileInfo(SetAsideFailedFile(path)).fileName());
    } catch (const std::exception& error) {
        message += QStringLiteral("; ") + QString::fromUtf8(error.what());
    }
    return {TEntryState::esFailed, message};
}
