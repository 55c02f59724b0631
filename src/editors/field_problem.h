#pragma once

class QLineEdit;
class QString;

// Marks a field whose text is not in effect: drawn in red with the reason as its tool tip and
// the "invalid" property set; an empty reason clears the mark.
void ShowFieldProblem(QLineEdit* edit, const QString& problem);
