#include "editors/frame_options.h"

#include "editors/options_item_delegate.h"
#include "symbol/property_registry.h"
#include "symbol/zint_symbol.h"
#include "symbol/zint_symbol_options.h"

#include <QHeaderView>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QChar PathSeparator = QLatin1Char('.');

QList<TListedProperty> listOptions(QObject* options)
{
    QList<TListedProperty> list;
    if (options)
        ListObjectProperties(options, list, false, {}, {}, true, QString(), PathSeparator);
    return list;
}

} // namespace

TFrameOptions::TFrameOptions(QWidget* parent)
    : QWidget(parent), ValueListEditor1(new QTableWidget(0, 2, this))
{
    resize(451, 304);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ValueListEditor1);

    ValueListEditor1->setObjectName(QStringLiteral("ValueListEditor1"));
    ValueListEditor1->setHorizontalHeaderLabels({QStringLiteral("Key"), QStringLiteral("Value")});
    ValueListEditor1->setColumnWidth(0, 150);
    ValueListEditor1->setColumnWidth(1, 295);
    ValueListEditor1->verticalHeader()->hide();
    ValueListEditor1->setSelectionMode(QAbstractItemView::SingleSelection);
    ValueListEditor1->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
        QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    ValueListEditor1->setItemDelegateForColumn(
        1, new TOptionsItemDelegate(
               [this](const QString& keyName) {
                   QStringList values;
                   ValueListEditor1GetPickList(keyName, values);
                   return values;
               },
               [this](const QString& keyName, const QString& keyValue) {
                   ValueListEditor1Validate(keyName, keyValue);
               },
               ValueListEditor1));
}

void TFrameOptions::Init(TZintSymbol* ASymbol, const QString& AOptionProperty)
{
    FSymbol = ASymbol;
    FOptionPropertyObj = qobject_cast<TCustomZintSymbolOptions*>(
        ReadPropertyPath(ASymbol, AOptionProperty, PathSeparator).value<QObject*>());
    for (const TListedProperty& property : listOptions(FOptionPropertyObj))
        rowOf(property.Name);
}

void TFrameOptions::RefreshFrame(QObject* /*Sender*/)
{
    for (const TListedProperty& property : listOptions(FOptionPropertyObj)) {
        const QVariant value = ReadPropertyPath(FOptionPropertyObj, property.Name, PathSeparator);
        const QString text = IsEnumeration(property.Info.Type)
                                 ? OrdinalToText(property.Info.Type, value.toInt())
                                 : value.toString();
        ValueListEditor1->item(rowOf(property.Name), 1)->setText(text);
    }
}

void TFrameOptions::ValueListEditor1GetPickList(const QString& KeyName, QStringList& Values) const
{
    if (!FOptionPropertyObj)
        return;
    const TPropInfo info = GetPropInfo(FOptionPropertyObj, KeyName);
    if (IsEnumeration(info.Type))
        Values.append(info.Type.ValueNames);
}

void TFrameOptions::ValueListEditor1Validate(const QString& KeyName, const QString& KeyValue)
{
    if (!FOptionPropertyObj)
        return;
    const TPropInfo info = GetPropInfo(FOptionPropertyObj, KeyName);
    QVariant value = KeyValue;
    if (IsEnumeration(info.Type)) {
        // A text that names no value writes the empty value, i.e. the first one.
        const int ordinal = EnumOrdinalOf(info.Type, KeyValue);
        value = ordinal >= 0 ? QVariant(ordinal) : QVariant();
    }
    try {
        WritePropertyPath(FOptionPropertyObj, KeyName, value, PathSeparator);
    } catch (const EZintException&) {
        // Not written; the refresh below shows the value in force.
    }
    RefreshFrame(this);
    emit changed(this);
}

void TFrameOptions::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        RefreshFrame(this);
}

int TFrameOptions::rowOf(const QString& key)
{
    for (int row = 0; row < ValueListEditor1->rowCount(); ++row) {
        if (ValueListEditor1->item(row, 0)->text() == key)
            return row;
    }
    const int row = ValueListEditor1->rowCount();
    ValueListEditor1->insertRow(row);
    auto* keyItem = new QTableWidgetItem(key);
    keyItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    ValueListEditor1->setItem(row, 0, keyItem);
    ValueListEditor1->setItem(row, 1, new QTableWidgetItem());
    return row;
}
