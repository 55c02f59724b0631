#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

#include <functional>

// Edits the value column of a key/value grid: an editable pick list for rows that offer
// choices (typed text stays possible), a line edit otherwise. A commit reaches the
// validate handler only when the text actually changed.
class TOptionsItemDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using TGetPickListEvent = std::function<QStringList(const QString& keyName)>;
    using TValidateEvent = std::function<void(const QString& keyName, const QString& keyValue)>;

    TOptionsItemDelegate(TGetPickListEvent getPickList, TValidateEvent validate,
                         QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    TGetPickListEvent FGetPickList;
    TValidateEvent FValidate;
};
