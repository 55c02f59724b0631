// What the window remembers of the user's work from one start to the next: the symbology,
// the settings page, the option sets, the output format and file names, the window's shape,
// the folders and the table column the texts were loaded from.
// The list itself is a new job at every start.
#include "app/app_form.h"

#include "app/color_box.h"
#include "app/list_pane.h"
#include "base/zint_exception.h"
#include "editors/frame_border_options.h"
#include "platform/user_store.h"
#include "symbol/property_registry.h"
#include "symbol/zint_symbol.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>

#include <algorithm>

namespace {
const QString StoreGroup = QStringLiteral("Window");
const QString OptionsPrefix = QStringLiteral("Options/");

// Band editors hold edits of the same names: their values are kept under the band's name.
QString KeyOf(const QWidget* control)
{
    for (const QWidget* parent = control->parentWidget(); parent; parent = parent->parentWidget())
        if (qobject_cast<const TFrameBorderOptions*>(parent))
            return parent->objectName() + QLatin1Char('.') + control->objectName();
    return control->objectName();
}

// The value controls of a page, check boxes last: "all the same" then copies a restored value.
QList<QWidget*> ValueControls(const QWidget* page)
{
    QList<QWidget*> controls;
    for (QWidget* child : page->findChildren<QWidget*>()) {
        const bool named =
            !child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_"));
        if (named && (qobject_cast<QComboBox*>(child) || qobject_cast<QLineEdit*>(child) ||
                      qobject_cast<QCheckBox*>(child)))
            controls << child;
    }
    std::stable_partition(controls.begin(), controls.end(), [](const QWidget* control) {
        return !qobject_cast<const QCheckBox*>(control);
    });
    return controls;
}

void RememberControl(TUserStore& store, const QWidget* control)
{
    const QString key = KeyOf(control);
    if (const auto* colors = qobject_cast<const TColorBox*>(control))
        store.WriteString(key, colors->Selected().name(QColor::HexArgb));
    else if (const auto* combo = qobject_cast<const QComboBox*>(control))
        store.WriteInteger(key, combo->currentIndex());
    else if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        store.WriteString(key, edit->text());
    else if (const auto* check = qobject_cast<const QCheckBox*>(control))
        store.WriteInteger(key, check->isChecked() ? 1 : 0);
}

// A value that does not fit the control leaves its default.
void RestoreControl(const TUserStore& store, QWidget* control)
{
    const QString key = KeyOf(control);
    if (!store.Contains(key))
        return;
    if (auto* colors = qobject_cast<TColorBox*>(control)) {
        const QColor color = QColor(store.ReadString(key));
        if (color.isValid())
            colors->SetSelected(color);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int index = store.ReadInteger(key, -1);
        if (index >= 0 && index < combo->count())
            combo->setCurrentIndex(index);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(store.ReadString(key).left(edit->maxLength()));
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        const int checked = store.ReadInteger(key, -1);
        if (checked == 0 || checked == 1)
            check->setChecked(checked == 1);
    }
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
    store.WriteInteger(QStringLiteral("Symbology"), comType->currentData().toInt());
    for (const QWidget* page : {TabSheet1, TabOutputSize})
        for (const QWidget* control : ValueControls(page))
            RememberControl(store, control);
    store.WriteString(QStringLiteral("ButtonFont"), ButtonFont->font().toString());
    for (const QWidget* control : FExport->RememberedControls())
        RememberControl(store, control);
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
    const TUserStore store(StoreGroup);
    const int symbology = comType->findData(store.ReadInteger(QStringLiteral("Symbology"), -1));
    if (symbology >= 0)
        comType->setCurrentIndex(symbology);
    for (QWidget* page : {TabSheet1, TabOutputSize})
        for (QWidget* control : ValueControls(page))
            RestoreControl(store, control);
    QFont font;
    if (store.Contains(QStringLiteral("ButtonFont")) &&
        font.fromString(store.ReadString(QStringLiteral("ButtonFont"))))
        ButtonFont->setFont(font);
    for (QWidget* control : FExport->RememberedControls())
        RestoreControl(store, control);
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
    RememberWork();
    QMainWindow::closeEvent(event);
}
