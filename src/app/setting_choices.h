#pragma once

#include "i18n/translation_engine.h"
#include "render/setting_names.h"

#include <QComboBox>

// A list of a settings table's choices: each item carries its value, so the list's order and
// captions may change without changing what an item means.
template <typename TEnum>
void FillChoices(QComboBox* combo, TSettingNames<TEnum> names, TEnum current)
{
    for (const TSettingName<TEnum>& entry : names)
        combo->addItem(Translate(QLatin1String(entry.Label)), int(entry.Value));
    combo->setCurrentIndex(combo->findData(int(current)));
}

template <typename TEnum> TEnum ChoiceOf(const QComboBox* combo)
{
    return TEnum(combo->currentData().toInt());
}

template <typename TEnum> void SelectChoice(QComboBox* combo, TEnum value)
{
    const int index = combo->findData(int(value));
    if (index >= 0)
        combo->setCurrentIndex(index);
}
