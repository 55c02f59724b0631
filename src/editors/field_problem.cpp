#include "editors/field_problem.h"

#include <QLineEdit>
#include <QString>

void ShowFieldProblem(QLineEdit* edit, const QString& problem)
{
    if (edit->property("invalid").toBool() == !problem.isEmpty() && edit->toolTip() == problem)
        return;
    edit->setProperty("invalid", !problem.isEmpty());
    edit->setToolTip(problem);
    edit->setStyleSheet(problem.isEmpty() ? QString()
                                          : QStringLiteral("QLineEdit { border: 1px solid red; }"));
}
