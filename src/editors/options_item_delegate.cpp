#include "editors/options_item_delegate.h"

#include <QComboBox>
#include <QMetaProperty>

namespace {

QString keyOf(const QModelIndex& index)
{
    return index.siblingAtColumn(0).data().toString();
}

} // namespace

TOptionsItemDelegate::TOptionsItemDelegate(TGetPickListEvent getPickList, TValidateEvent validate,
                                           QObject* parent)
    : QStyledItemDelegate(parent), FGetPickList(std::move(getPickList)),
      FValidate(std::move(validate))
{}

QWidget* TOptionsItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const
{
    const QStringList pickList = FGetPickList(keyOf(index));
    if (pickList.isEmpty())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* comboBox = new QComboBox(parent);
    comboBox->setEditable(true);
    comboBox->setInsertPolicy(QComboBox::NoInsert);
    comboBox->addItems(pickList);
    return comboBox;
}

void TOptionsItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const
{
    const QString text = editor->metaObject()->userProperty().read(editor).toString();
    if (text == index.data().toString())
        return;
    model->setData(index, text);
    FValidate(keyOf(index), text);
}
