#include "symbol/library_text.h"

#include <zint.h>

#include <QRegularExpression>

QString TaggedLibraryMessage(const char* libraryText, bool isError)
{
    static const QRegularExpression numbered(QStringLiteral("^(?:Error|Warning)(?: \\d+)?: "));
    QString message =
        QString::fromUtf8(libraryText, qstrnlen(libraryText, sizeof zint_symbol::errtxt));
    message.remove(numbered);
    return (isError ? QStringLiteral("error: ") : QStringLiteral("warning: ")) + message;
}

QByteArray CutUtf8(const QByteArray& bytes, int maxBytes)
{
    if (bytes.size() <= maxBytes)
        return bytes;
    int end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
        --end;
    return bytes.left(end);
}
