// The translation engine's start and the language dialog of the Help menu.
#include "app/app_form.h"

#include "base/zint_exception.h"
#include "dialogs/application_language.h"
#include "dialogs/translate_form.h"
#include "i18n/translation_engine.h"
#include "i18n/user_language.h"
#include "platform/user_store.h"

#include <QFileInfo>

namespace {
const QString kLanguageValue = QStringLiteral("Language");
} // namespace

// The engine starts with the language file the user chose last, while that file is still
// there; otherwise (and at first) with the automatic choice through LanguageCodes.csv.
// Qt's own texts and the layout direction follow the same language.
void TAppForm::InitLanguage(const QString& fileName)
{
    const QString folder = LanguagesFolderOf(FEnvironment.ProgramPath);
    QString chosen = fileName;
    if (chosen.trimmed().isEmpty()) {
        chosen = TUserStore().ReadString(kLanguageValue);
        const QFileInfo remembered(folder + u'/' + chosen);
        if (chosen.isEmpty() || !remembered.exists() || remembered.isDir())
            chosen.clear();
    }
    try {
        ::InitLanguageIn(folder, chosen, UserLanguageId());
    } catch (const EZintException& error) {
        // A language file that cannot be read: reported, and the program goes on in English.
        ShowDefaultError(error);
    }
    ApplyLanguageToApplication();
}

void TAppForm::SetLanguageFile(const QString& Filename)
{
    TUserStore store;
    store.WriteString(kLanguageValue, Filename);
    store.Sync();
}

void TAppForm::Language1Click()
{
    TTranslateFormEnvironment environment;
    environment.ProgramPath = FEnvironment.ProgramPath;
    environment.DataFolder = FDataFolder;
    environment.SetLanguageFile = [this](const QString& fileName) { SetLanguageFile(fileName); };
    // The box belongs to the language dialog, which is open when it fails.
    environment.ShowError = [this](QWidget* parent, const QString& caption, const QString& text) {
        FEnvironment.Dialogs->ErrorBox(parent, caption, text);
    };
    TTranslateForm form(std::move(environment), this);
    form.exec();
}
