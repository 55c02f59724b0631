#include "i18n/user_language.h"

#include <QLocale>
#include <QStringList>

#include <unicode/uloc.h>

namespace {
const QString kUsEnglish = QStringLiteral("1033");

// A LANGID of one region; 0 and the neutral forms (sub-language 0, 0x1E, 0x1F) are not.
bool IsRegional(uint32_t lcid)
{
    const uint32_t subLanguage = (lcid & 0xFFFFu) >> 10;
    return subLanguage >= 1 && subLanguage < 0x1E;
}
} // namespace

QString LanguageIdOfLocale(const QString& localeName)
{
    // Drop the encoding and modifier ("de_DE.UTF-8@euro"); ICU wants underscores.
    QString name = localeName.section(u'.', 0, 0).section(u'@', 0, 0);
    name.replace(u'-', u'_');
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return kUsEnglish;
    // A bare language ("de") has only a primary identifier in ICU's table; Windows reports
    // the language of its most likely region (German (Germany), 1031), so that comes first.
    const QByteArray locale = name.toLatin1();
    uint32_t lcid = uloc_getLCID(locale.constData());
    if (!IsRegional(lcid)) {
        char likely[ULOC_FULLNAME_CAPACITY] = {};
        UErrorCode status = U_ZERO_ERROR;
        uloc_addLikelySubtags(locale.constData(), likely, sizeof likely, &status);
        if (U_SUCCESS(status)) {
            const uint32_t withRegion = uloc_getLCID(likely);
            if (IsRegional(withRegion))
                lcid = withRegion;
            else {
                // ICU's table keys most languages without their default script.
                char language[ULOC_LANG_CAPACITY] = {};
                char country[ULOC_COUNTRY_CAPACITY] = {};
                uloc_getLanguage(likely, language, sizeof language, &status);
                uloc_getCountry(likely, country, sizeof country, &status);
                const QByteArray plain = QByteArray(language) + '_' + QByteArray(country);
                const uint32_t withoutScript = uloc_getLCID(plain.constData());
                if (U_SUCCESS(status) && IsRegional(withoutScript))
                    lcid = withoutScript;
            }
        }
    }
    return QString::number(lcid & 0xFFFFu);
}

QString UserLanguageId()
{
    const QStringList languages = QLocale::system().uiLanguages();
    return LanguageIdOfLocale(languages.isEmpty() ? QString() : languages.first());
}
