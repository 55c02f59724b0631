#include "app/label_product_picker.h"

#include "i18n/translation_engine.h"
#include "io/label_products.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int ListRows = 8;

// Lower is better: a word that is the product's code, then one its code starts with.
int Rank(const TLabelProduct& product, const QStringList& words)
{
    int rank = 2;
    for (const QString& word : words) {
        if (product.Part.compare(word, Qt::CaseInsensitive) == 0)
            return 0;
        if (product.Part.startsWith(word, Qt::CaseInsensitive))
            rank = 1;
    }
    return rank;
}

QString ItemText(const TLabelProduct& product)
{
    const QString text = product.Description.isEmpty()
                             ? product.Name()
                             : QStringLiteral("%1 — %2").arg(product.Name(), product.Description);
    if (product.Sheet)
        return text;
    return Translate(QStringLiteral("%1 (cannot be filled)")).arg(text);
}
} // namespace

TLabelProductPicker::TLabelProductPicker(const TLabelProductCatalogue& products, QWidget* parent)
    : QWidget(parent), FProducts(products), FSearch(new QLineEdit(this)),
      FList(new QListWidget(this)), FNote(new QLabel(this))
{
    setObjectName(QStringLiteral("LabelProductPicker"));
    FSearch->setObjectName(QStringLiteral("edProductSearch"));
    FSearch->setPlaceholderText(Translate(QStringLiteral("Brand, code or description")));
    FSearch->setClearButtonEnabled(true);
    FList->setObjectName(QStringLiteral("lstProducts"));
    FList->setUniformItemSizes(true);
    FList->setMinimumHeight(fontMetrics().lineSpacing() * ListRows);
    FNote->setObjectName(QStringLiteral("lblProductNote"));
    FNote->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FSearch);
    layout->addWidget(FList);
    layout->addWidget(FNote);

    if (products.Products().empty()) {
        FSearch->setEnabled(false);
        FList->hide();
        FNote->setText(
            Translate(QStringLiteral("No label product database was found. Install glabels-data "
                                     "to pick sheets by product, such as Avery 5160; the presets "
                                     "and your own sizes work without it.")));
        return;
    }
    FSearch->installEventFilter(this);
    FList->installEventFilter(this);
    connect(FSearch, &QLineEdit::textChanged, this, &TLabelProductPicker::Search);
    connect(FList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Choose(FList->row(item)); });
    Search({});
}

void TLabelProductPicker::ShowChosen(const TLabelProduct* product)
{
    if (!product) {
        if (FChosen)
            FNote->clear();
        FChosen = nullptr;
        return;
    }
    FChosen = product;
    if (FSearch->text() != product->Name())
        FSearch->setText(product->Name());
    const auto row = std::find(FShown.begin(), FShown.end(), product) - FShown.begin();
    if (row < qsizetype(FShown.size()))
        FList->setCurrentRow(int(row));
    FNote->setText(product->Description.isEmpty()
                       ? Translate(QStringLiteral("The sheet is %1.")).arg(product->Name())
                       : Translate(QStringLiteral("The sheet is %1: %2."))
                             .arg(product->Name(), product->Description));
}

void TLabelProductPicker::Search(const QString& text)
{
    const QStringList words =
        text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    FShown = FProducts.Matching(words);
    std::stable_sort(FShown.begin(), FShown.end(),
                     [&](const TLabelProduct* a, const TLabelProduct* b) {
                         return Rank(*a, words) < Rank(*b, words);
                     });
    FList->clear();
    const QColor refused = palette().color(QPalette::Disabled, QPalette::Text);
    for (const TLabelProduct* product : FShown) {
        auto* item = new QListWidgetItem(ItemText(*product), FList);
        item->setToolTip(product->Sheet ? product->PaperName : product->Unsupported);
        if (!product->Sheet)
            item->setForeground(refused);
    }
    if (FShown.empty())
        FNote->setText(
            Translate(QStringLiteral("No label product matches \"%1\".")).arg(text.trimmed()));
    else if (!FChosen || text != FChosen->Name())
        FNote->clear();
}

bool TLabelProductPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return ChooseByKey();
    // The list follows the arrow keys while the typing goes on in the search box.
    const bool moves = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                       key == Qt::Key_PageDown;
    if (watched == FSearch && moves) {
        QCoreApplication::sendEvent(FList, event);
        return true;
    }
    return false;
}

bool TLabelProductPicker::ChooseByKey()
{
    int row = FList->currentRow();
    if (row < 0 && !FSearch->text().trimmed().isEmpty() && !FShown.empty())
        row = 0;
    if (row < 0 || FShown[std::size_t(row)] == FChosen)
        return false;
    Choose(row);
    return true;
}

void TLabelProductPicker::Choose(int row)
{
    if (row < 0 || row >= int(FShown.size()))
        return;
    const TLabelProduct& product = *FShown[std::size_t(row)];
    FList->setCurrentRow(row);
    if (!product.Sheet) {
        FNote->setText(Translate(QStringLiteral("%1 cannot be filled: %2."))
                           .arg(product.Name(), product.Unsupported));
        return;
    }
    ShowChosen(&product);
    emit Chosen(product);
}
