// The marks on entries that will fail, kept up to date with the list and the settings.
#include "app/app_form.h"

#include "app/entry_checker.h"
#include "app/item_list_model.h"
#include "app/list_pane.h"
#include "app/preview_image.h"
#include "app/settings_panel.h"

#include <QComboBox>

void TAppForm::CreateEntryChecks()
{
    FEntryChecker = new TEntryChecker(
        FListPane->Items(),
        [this] {
            return TEntryChecker::TSource{FSymbol.get(), CurrentSymbology(),
                                          CurrentRenderSettings(), imgResult->size()};
        },
        this);
    const auto request = [this] { FEntryChecker->Request(); };
    connect(&FListPane->Items(), &TItemListModel::ItemsChanged, FEntryChecker, request);
    connect(FSettingsPanel, &TSettingsPanel::changed, FEntryChecker, request);
    connect(comType, &QComboBox::currentIndexChanged, FEntryChecker, request);
}
