#pragma once

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class TLabelProductCatalogue;
struct TLabelProduct;

// Finds a label product by typing: the list holds the products whose brand, code or
// description hold every word typed, an exact code first. The arrow keys move through the list
// from the search box and Enter chooses, so the keyboard alone will do. A product whose labels
// this program cannot fill is listed, greyed, and refused with the reason when chosen. Without
// a product database the picker says so and the form's own fields still make sheets.
class TLabelProductPicker final : public QWidget
{
    Q_OBJECT

public:
    explicit TLabelProductPicker(const TLabelProductCatalogue& products, QWidget* parent = nullptr);

    // Shows `product` as the sheet's, or none when the fields were changed by hand.
    void ShowChosen(const TLabelProduct* product);
    QLineEdit* SearchBox() const { return FSearch; }

signals:
    void Chosen(const TLabelProduct& product);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search(const QString& text);
    // Enter: the product under the cursor, or the best match when the cursor is in no row.
    // False when Enter is left to the dialog: nothing to choose, or the product is chosen.
    bool ChooseByKey();
    void Choose(int row);

    const TLabelProductCatalogue& FProducts;
    std::vector<const TLabelProduct*> FShown; // the list's products, by row
    const TLabelProduct* FChosen = nullptr;
    QLineEdit* FSearch;
    QListWidget* FList;
    QLabel* FNote;
};
