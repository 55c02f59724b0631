#include "app/symbology_list.h"

#include "i18n/translation_engine.h"

#include <QCollator>
#include <QComboBox>
#include <QStandardItemModel>

#include <algorithm>
#include <array>
#include <vector>

namespace {
// The headings, in the order of TSymbologyGroup.
const std::array<const char*, 5> GroupHeadings = {TranslationKey("Linear"), TranslationKey("2-D"),
                                                  TranslationKey("Postal"), "GS1",
                                                  TranslationKey("Stacked")};

void AddHeading(QComboBox* list, const QString& heading)
{
    list->addItem(heading);
    auto* model = qobject_cast<QStandardItemModel*>(list->model());
    QStandardItem* item = model->item(list->count() - 1);
    item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
    QFont bold = list->font();
    bold.setBold(true);
    item->setFont(bold);
}
} // namespace

void FillSymbologyList(QComboBox* list)
{
    QCollator byName;
    byName.setCaseSensitivity(Qt::CaseInsensitive);
    byName.setNumericMode(true);
    std::vector<const TSymbologyEntry*> entries;
    for (const TSymbologyEntry& entry : SymbologyCatalogue)
        entries.push_back(&entry);
    std::stable_sort(entries.begin(), entries.end(), [&](const auto* a, const auto* b) {
        if (a->Group != b->Group)
            return a->Group < b->Group;
        return byName.compare(QString::fromUtf8(a->DisplayName),
                              QString::fromUtf8(b->DisplayName)) < 0;
    });
    const TSymbologyEntry* previous = nullptr;
    for (const TSymbologyEntry* entry : entries) {
        if (!previous || previous->Group != entry->Group)
            AddHeading(list, Translate(QLatin1String(GroupHeadings[std::size_t(entry->Group)])));
        list->addItem(QString::fromUtf8(entry->DisplayName), int(entry->Symbology));
        previous = entry;
    }
}

bool IsSymbologyHeading(const QComboBox* list, int row)
{
    return !list->itemData(row).isValid();
}

void SelectSymbology(QComboBox* list, TZintSymbology symbology)
{
    const int row = list->findData(int(symbology));
    if (row >= 0)
        list->setCurrentIndex(row);
}
