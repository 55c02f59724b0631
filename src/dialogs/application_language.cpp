#include "dialogs/application_language.h"

#include "i18n/language_locales.h"
#include "i18n/translation_engine.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {
std::unique_ptr<QTranslator>& QtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
} // namespace

void ApplyLanguageToApplication()
{
    std::unique_ptr<QTranslator>& translator = QtTranslator();
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
    const QString locale = LocaleOfLanguage(CurrentLanguage());
    QGuiApplication::setLayoutDirection(IsRightToLeftLanguage(CurrentLanguage()) ? Qt::RightToLeft
                                                                                 : Qt::LeftToRight);
    if (locale.isEmpty())
        return;
    auto loaded = std::make_unique<QTranslator>();
    // "qt" gathers qtbase and the other modules' catalogues of Debian's qt6-translations-l10n.
    if (loaded->load(QLocale(locale), QStringLiteral("qt"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(loaded.get());
        translator = std::move(loaded);
    }
}
