// The menu items of the list: its own files in the File menu, and the Edit menu.
#include "app/app_form.h"

#include "app/list_pane.h"
#include "i18n/translation_engine.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>

void TAppForm::AddListFileItems(QMenu* file)
{
    file->addSeparator();
    QAction* open = file->addAction(Translate(QStringLiteral("&Open List...")));
    open->setObjectName(QStringLiteral("OpenList1"));
    connect(open, &QAction::triggered, FListPane, &TListPane::OpenList1Click);
    QAction* save = file->addAction(Translate(QStringLiteral("&Save List...")));
    save->setObjectName(QStringLiteral("SaveList1"));
    connect(save, &QAction::triggered, FListPane, &TListPane::SaveList1Click);
    QMenu* recent = file->addMenu(Translate(QStringLiteral("&Recent Lists")));
    recent->setObjectName(QStringLiteral("RecentLists1"));
    // Filled as it opens: the lists change with every save and open.
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        const QStringList& paths = FListPane->RecentLists();
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const QString path = paths.at(i);
            QAction* item = recent->addAction(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
            connect(item, &QAction::triggered, FListPane,
                    [this, path] { FListPane->OpenList(path); });
        }
        recent->setEnabled(!paths.isEmpty());
    });
}

void TAppForm::CreateEditMenu(QMenuBar* bar)
{
    QMenu* edit = bar->addMenu(Translate(QStringLiteral("&Edit")));
    edit->setObjectName(QStringLiteral("Edit1Menu"));
    edit->addActions(FListPane->HistoryActions());
    edit->addSeparator();
    edit->addActions(FListPane->EditActions());
}
