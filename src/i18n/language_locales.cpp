#include "i18n/language_locales.h"

#include <QLocale>

#include <unicode/uloc.h>

#include <iterator>

namespace {

struct TLanguageLocale
{
    const char* FileName;
    const char* Locale;
};

constexpr TLanguageLocale kLanguageLocales[] = {
    {"Abkhazian", "ab"},
    {"Albanian", "sq"},
    {"Arabic", "ar"},
    {"Bulgarian", "bg"},
    {"Catalan", "ca"},
    {"ChineseSimplified", "zh_Hans"},
    {"ChineseTraditional", "zh_Hant"},
    {"Czech", "cs"},
    {"Dutch", "nl"},
    {"English", "en"},
    {"Finnish", "fi"},
    {"French", "fr"},
    {"German", "de"},
    {"Greek", "el"},
    {"Hebrew", "he"},
    {"Hungarian", "hu"},
    {"Italian", "it"},
    {"Japanese", "ja"},
    {"Korean", "ko"},
    {"Norwegian", "nb"},
    {"Persian", "fa"},
    {"Polish", "pl"},
    {"PortugueseBrazil", "pt_BR"},
    {"PortuguesePortugal", "pt_PT"},
    {"Romanian", "ro"},
    {"Russian", "ru"},
    {"Slovak", "sk"},
    {"Slovenian", "sl"},
    {"Spanish", "es"},
    {"Swedish", "sv"},
    {"Turkish", "tr"},
    {"Ukrainian", "uk"},
    {"Vietnamese", "vi"},
};

} // namespace

QString LocaleOfLanguage(const QString& languageName)
{
    for (const TLanguageLocale& entry : kLanguageLocales)
        if (languageName.compare(QLatin1String(entry.FileName), Qt::CaseInsensitive) == 0)
            return QLatin1String(entry.Locale);
    return {};
}

QString OwnLanguageName(const QString& languageName)
{
    const QByteArray locale = LocaleOfLanguage(languageName).toLatin1();
    if (locale.isEmpty())
        return languageName;
    UChar name[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = uloc_getDisplayName(locale.constData(), locale.constData(), name,
                                               int32_t(std::size(name)), &status);
    // ICU answers the bare code when it has no data for the language.
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING || length <= 0)
        return languageName;
    QString own = QString::fromUtf16(reinterpret_cast<const char16_t*>(name), length);
    if (own == QString::fromLatin1(locale))
        return languageName;
    // A list entry starts with a capital where the script has capitals ("français").
    return QLocale(QString::fromLatin1(locale)).toUpper(own.left(1)) + own.mid(1);
}

bool IsRightToLeftLanguage(const QString& languageName)
{
    const QString locale = LocaleOfLanguage(languageName);
    return !locale.isEmpty() && QLocale(locale).textDirection() == Qt::RightToLeft;
}
