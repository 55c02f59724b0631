#include "app/symbology_search.h"
#include "i18n/translation_engine.h"

#include "symbol/symbology_names.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QSet>
#include <QSortFilterProxyModel>

// The list's rows whose symbology the typed text finds; rows keep their order.
class TFoundSymbologies final : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetTyped(const QString& typed)
    {
        FFound.clear();
        for (TZintSymbology symbology : SymbologiesContaining(typed))
            FFound.insert(int(symbology));
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        // Group headings carry no symbology.
        const QVariant symbology = sourceModel()->index(row, 0, parent).data(Qt::UserRole);
        return symbology.isValid() && FFound.contains(symbology.toInt());
    }

private:
    QSet<int> FFound;
};

TSymbologySearch::TSymbologySearch(QComboBox* list, QWidget* parent)
    : QLineEdit(parent), FList(list), FFound(new TFoundSymbologies(this))
{
    setPlaceholderText(Translate(QStringLiteral("Find symbology (ean13, qr, gs1-128...)")));
    setClearButtonEnabled(true);
    FFound->setSourceModel(list->model());
    FFound->SetTyped(QString());
    auto* finder = new QCompleter(FFound, this);
    // The model is filtered already: the completer shows it as it stands, in the list's order.
    finder->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    // Enter takes the entry that starts with the typed text, in any letter case.
    finder->setCaseSensitivity(Qt::CaseInsensitive);
    finder->setMaxVisibleItems(list->maxVisibleItems());
    setCompleter(finder);
    connect(this, &QLineEdit::textEdited, this, &TSymbologySearch::Search);
    connect(finder, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &TSymbologySearch::Choose);
    // The field may hold a whole name with no list open: one the popup filled in before it
    // closed, or one typed out.
    connect(this, &QLineEdit::returnPressed, this, &TSymbologySearch::ChooseTyped);
    // Queued: the completer writes the chosen name into the field after it reports the choice.
    connect(finder, qOverload<const QString&>(&QCompleter::activated), this, &QLineEdit::clear,
            Qt::QueuedConnection);
    // The closed list would jump to the first name starting with each key ("EAN" to EAN-14).
    list->installEventFilter(this);
}

bool TSymbologySearch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FList || event->type() != QEvent::KeyPress)
        return QLineEdit::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    const bool commandKey = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    // Blanks open the list; control characters move in it.
    if (commandKey || typed.trimmed().isEmpty() || !typed.front().isPrint())
        return false;
    setFocus(Qt::OtherFocusReason);
    insert(typed);
    Search(text());
    return true;
}

void TSymbologySearch::Search(const QString& typed)
{
    FFound->SetTyped(typed);
    if (FFound->rowCount() == 0 || typed.trimmed().isEmpty())
        completer()->popup()->hide();
    else
        completer()->complete();
}

void TSymbologySearch::ChooseTyped()
{
    if (completer()->popup()->isVisible())
        return;
    const std::vector<TZintSymbology> meant = LookUpSymbology(text()).Matches;
    if (meant.size() == 1)
        ChooseSymbology(int(meant.front()));
    else
        Search(text());
}

void TSymbologySearch::Choose(const QModelIndex& found)
{
    ChooseSymbology(found.data(Qt::UserRole).toInt());
}

void TSymbologySearch::ChooseSymbology(int ordinal)
{
    const int row = FList->findData(ordinal);
    if (row < 0)
        return;
    FList->setCurrentIndex(row);
    emit FList->activated(row);
    emit FList->textActivated(FList->itemText(row));
    clear();
}
