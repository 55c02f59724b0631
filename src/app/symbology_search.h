#pragma once

#include <QLineEdit>

class QComboBox;
class QModelIndex;
class TFoundSymbologies;

// The search field of the symbology list: what the user types lists the symbologies whose
// names hold it (symbology_names.h) in the list's order, and picking one chooses it in the
// list exactly as choosing it there does; so does Enter on a name that means one symbology.
// Typing on the closed list types here.
class TSymbologySearch final : public QLineEdit
{
    Q_OBJECT

public:
    // `list` holds the catalogue's symbologies with their ordinals as item data.
    explicit TSymbologySearch(QComboBox* list, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search(const QString& text);
    void Choose(const QModelIndex& found);
    void ChooseTyped();
    void ChooseSymbology(int ordinal);

    QComboBox* FList;
    TFoundSymbologies* FFound;
};
