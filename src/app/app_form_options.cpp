// The editors of the settings page: one options grid per option set of the symbol, and the
// four-sided editors of the five bands.
#include "app/app_form.h"

#include "editors/frame_border_options.h"
#include "editors/frame_options.h"
#include "symbol/property_registry.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// Puts the editor on the tab, filling it.
template <typename TEditor> TEditor* FillTab(QWidget* tab, TEditor* editor)
{
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);
    return editor;
}
} // namespace

void TAppForm::CreateOptionTabs(TZintSymbol& ASymbol)
{
    QList<TListedProperty> names;
    ListObjectProperties(&ASymbol, names, false, TPropertyKind::pkObject, {}, true, QString(),
                         QLatin1Char('.'));
    for (const TListedProperty& property : names) {
        auto* options =
            ReadPropertyPath(&ASymbol, property.Name, QLatin1Char('.')).value<QObject*>();
        if (!options || !options->inherits("TCustomZintSymbolOptions"))
            continue;
        auto* tab = new QWidget;
        PageControl1->addTab(tab, property.Name);
        // The grid re-reads the option values itself whenever its tab is shown.
        auto* grid = FillTab(tab, new TFrameOptions);
        grid->Init(&ASymbol, property.Name);
        connect(grid, &TFrameOptions::changed, this, &TAppForm::edDataChange);
    }
}

void TAppForm::CreateBorderFrames()
{
    const auto create = [this](const char* name, int tabIndex) {
        auto* frame = FillTab(PageControl2->widget(tabIndex), new TFrameBorderOptions);
        frame->setObjectName(QLatin1String(name));
        connect(frame, &TFrameBorderOptions::changed, this, &TAppForm::edDataChange);
        return frame;
    };
    fboMargin = create("fboMargin", 0);
    fboPadding = create("fboPadding", 1);
    fboBorder = create("fboBorder", 2);
    fboTextSpacing = create("fboTextSpacing", 3);
    fboWhitespace = create("fboWhitespace", 4);
}
