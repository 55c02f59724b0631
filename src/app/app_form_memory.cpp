// What the window remembers of the user's work from one start to the next: the symbology,
// the settings page, the option sets, the output format and file names, the window's shape,
// the folders and the table column the texts were loaded from, the list files used lately, the
// label sheet.
// The list itself is a new job at every start: closing asks before unsaved entries are lost.
#include "app/app_form.h"

#include "app/list_pane.h"
#include "app/settings_panel.h"
#include "base/zint_exception.h"
#include "io/stored_settings.h"
#include "io/stored_settings_migration.h"
#include "platform/user_store.h"
#include "symbol/property_registry.h"
#include "symbol/zint_symbol.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QSplitter>

namespace {
const QString StoreGroup = QStringLiteral("Window");
const QString OptionsPrefix = QStringLiteral("Options/");

// The export bar's format list and file-name template, which the stored settings keep.
template <typename TControl> TControl* ExportControl(const QList<QWidget*>& controls)
{
    for (QWidget* control : controls)
        if (auto* typed = qobject_cast<TControl*>(control))
            return typed;
    return nullptr;
}

// "QRCodeOptions.ECCLevel" and the like: every value of every option set of the symbol.
QStringList OptionPaths(TZintSymbol& symbol)
{
    QList<TListedProperty> sets;
    ListObjectProperties(&symbol, sets, false, TPropertyKind::pkObject, {}, true, QString(),
                         QLatin1Char('.'));
    QStringList paths;
    for (const TListedProperty& set : sets) {
        auto* options = ReadPropertyPath(&symbol, set.Name, QLatin1Char('.')).value<QObject*>();
        if (!options || !options->inherits("TCustomZintSymbolOptions"))
            continue;
        QList<TListedProperty> values;
        ListObjectProperties(options, values, false, {}, TPropertyKind::pkObject, true,
                             set.Name + QLatin1Char('.'), QLatin1Char('.'));
        for (const TListedProperty& value : values)
            paths << value.Name;
    }
    return paths;
}
} // namespace

void TAppForm::RememberWork()
{
    TUserStore store(StoreGroup);
    TStoredSettings stored;
    stored.Symbology = CurrentSymbology();
    stored.SettingsPanelShown = Settings1->isChecked();
    FSettingsPanel->Remember(stored);
    const QList<QWidget*> exportControls = FExport->RememberedControls();
    if (const auto* format = ExportControl<QComboBox>(exportControls))
        stored.ExportFormat = format->currentText();
    if (const auto* names = ExportControl<QLineEdit>(exportControls))
        stored.FileNames = names->text();
    stored.RecentLists = FListPane->RecentLists();
    FExport->Remember(stored);
    SaveStoredSettings(stored, store);
    // The keys below have no fixed shape: option paths come from the symbol's property
    // registry, the window's shape from Qt, and the folders are checked when they are used.
    for (const QString& path : OptionPaths(*FSymbol))
        store.WriteString(OptionsPrefix + path,
                          ReadPropertyPath(FSymbol.get(), path, QLatin1Char('.')).toString());
    store.WriteString(QStringLiteral("Geometry"), QString::fromLatin1(saveGeometry().toBase64()));
    store.WriteString(QStringLiteral("Splitter"),
                      QString::fromLatin1(Splitter1->saveState().toBase64()));
    FListPane->RememberWork(store);
    FExport->RememberWork(store);
    store.Sync();
}

void TAppForm::RestoreWork()
{
    TUserStore store(StoreGroup);
    // The old store's numbers were typed in the user's locale.
    MigrateStoredSettings(store, QLocale());
    const TStoredSettings stored = LoadStoredSettings(store).Settings;
    comType->setCurrentIndex(comType->findData(int(stored.Symbology)));
    FSettingsPanel->Restore(stored);
    Settings1->setChecked(stored.SettingsPanelShown);
    const QList<QWidget*> exportControls = FExport->RememberedControls();
    if (auto* format = ExportControl<QComboBox>(exportControls))
        format->setCurrentIndex(format->findText(stored.ExportFormat));
    if (auto* names = ExportControl<QLineEdit>(exportControls))
        names->setText(stored.FileNames);
    FListPane->SetRecentLists(stored.RecentLists);
    FExport->Restore(stored);
    for (const QString& path : OptionPaths(*FSymbol)) {
        if (!store.Contains(OptionsPrefix + path))
            continue;
        try {
            // Ordinals are kept as numbers, the booleans as their names.
            const QString text = store.ReadString(OptionsPrefix + path);
            bool isNumber = false;
            const int number = text.toInt(&isNumber);
            WritePropertyPath(FSymbol.get(), path, isNumber ? QVariant(number) : QVariant(text),
                              QLatin1Char('.'));
        } catch (const EZintException&) {
            // Not a value of this option: it keeps its default.
        }
    }
    restoreGeometry(
        QByteArray::fromBase64(store.ReadString(QStringLiteral("Geometry")).toLatin1()));
    Splitter1->restoreState(
        QByteArray::fromBase64(store.ReadString(QStringLiteral("Splitter")).toLatin1()));
    FListPane->RestoreWork(store);
    FExport->RestoreWork(store);
}

void TAppForm::closeEvent(QCloseEvent* event)
{
    if (!FListPane->MayLoseEntries()) {
        event->ignore();
        return;
    }
    RememberWork();
    QMainWindow::closeEvent(event);
}
