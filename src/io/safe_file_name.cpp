#include "io/safe_file_name.h"

#include <QStringList>

namespace {
const QChar Replacement = u'_';

bool isForbidden(char32_t c)
{
    if (c < 0x20 || (c >= 0x7f && c <= 0x9f))
        return true;
    // Invisible characters that reorder or break what a file list shows (U+202E turns
    // "gnp.exe" around, U+2028 starts a new line).
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Other_Format || category == QChar::Separator_Line ||
        category == QChar::Separator_Paragraph)
        return true;
    switch (c) {
    case u'/':
    case u'\\':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|':
        return true;
    default:
        return false;
    }
}

bool isDotOrBlank(QChar c)
{
    return c == u'.' || c.isSpace();
}

// Each character once; an unpaired surrogate cannot be written in UTF-8 and counts as
// forbidden. `substance` tells whether a character other than a dot or blank is kept.
QString withForbiddenReplaced(const QString& stem, bool& substance)
{
    QString replaced;
    replaced.reserve(stem.size());
    substance = false;
    for (qsizetype i = 0; i < stem.size(); ++i) {
        const QChar c = stem.at(i);
        if (c.isHighSurrogate() && i + 1 < stem.size() && stem.at(i + 1).isLowSurrogate()) {
            const char32_t point = QChar::surrogateToUcs4(c, stem.at(i + 1));
            if (isForbidden(point)) {
                replaced += Replacement;
            } else {
                replaced += c;
                replaced += stem.at(i + 1);
                substance = true;
            }
            ++i;
        } else if (c.isSurrogate() || isForbidden(c.unicode())) {
            replaced += Replacement;
        } else {
            replaced += c;
            substance = substance || !isDotOrBlank(c);
        }
    }
    return replaced;
}

qsizetype utf8Size(char16_t unit)
{
    return QChar::isSurrogate(unit) ? 2 : unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3;
}

// The number of units at the start of `text` whose UTF-8 takes at most `bytes`, ending between
// characters; `bytes` is left holding what was used.
qsizetype unitsWithinUtf8Bytes(const QString& text, qsizetype& bytes)
{
    qsizetype used = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const bool pair = text.at(end).isHighSurrogate();
        const qsizetype size = pair ? 4 : utf8Size(text.at(end).unicode());
        if (used + size > bytes)
            break;
        used += size;
        end += pair ? 2 : 1;
    }
    bytes = used;
    return end;
}

// The same counted from the end.
qsizetype unitsFromEndWithinUtf8Bytes(const QString& text, qsizetype bytes)
{
    qsizetype used = 0;
    qsizetype start = text.size();
    while (start > 0) {
        const bool pair = text.at(start - 1).isLowSurrogate();
        const qsizetype size = pair ? 4 : utf8Size(text.at(start - 1).unicode());
        if (used + size > bytes)
            break;
        used += size;
        start -= pair ? 2 : 1;
    }
    return text.size() - start;
}

// A name too long for `bytes` of UTF-8 keeps its start and its end around an ellipsis: the
// field that tells entries apart stands at one end or the other in most templates.
QString cutToUtf8Bytes(const QString& text, qsizetype bytes)
{
    if (text.toUtf8().size() <= bytes)
        return text;
    const QString ellipsis = QStringLiteral("\u2026");
    qsizetype headBytes = (bytes - 3) / 2;
    const qsizetype head = unitsWithinUtf8Bytes(text, headBytes);
    const qsizetype tail = unitsFromEndWithinUtf8Bytes(text, bytes - 3 - headBytes);
    return text.left(head) + ellipsis + text.right(tail);
}

void chopTrailingDotsAndBlanks(QString& stem)
{
    while (!stem.isEmpty() && isDotOrBlank(stem.back()))
        stem.chop(1);
}

// Windows opens the device instead of a file for these names, whatever extensions follow.
bool isWindowsDeviceName(const QString& stem)
{
    static const QStringList devices = [] {
        QStringList names{QStringLiteral("CON"),    QStringLiteral("PRN"),
                          QStringLiteral("AUX"),    QStringLiteral("NUL"),
                          QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
        for (const QString& port : {QStringLiteral("COM"), QStringLiteral("LPT")})
            for (const QChar digit : QStringLiteral("0123456789\u00b9\u00b2\u00b3"))
                names << port + digit;
        return names;
    }();
    QStringView device = QStringView(stem).left(stem.indexOf(u'.'));
    while (!device.isEmpty() && device.back().isSpace())
        device.chop(1);
    // Three to seven characters: most names are rejected without a comparison.
    if (device.size() < 3 || device.size() > 7)
        return false;
    for (const QString& name : devices)
        if (device.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

QString SafeFileName(const QString& stem, const QString& extension)
{
    bool substance = false;
    QString safe = withForbiddenReplaced(stem, substance);
    if (!substance)
        return {};
    safe = safe.trimmed();
    if (safe.startsWith(u'.'))
        safe[0] = Replacement;
    safe = cutToUtf8Bytes(safe, MaxSafeFileNameBytes - extension.toUtf8().size());
    chopTrailingDotsAndBlanks(safe);
    if (isWindowsDeviceName(safe))
        safe.prepend(Replacement);
    return safe + extension;
}
