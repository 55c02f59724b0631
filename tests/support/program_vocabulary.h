#pragma once

#include <QStringList>

// The English texts the program looks up in the language files: every
// Translate(QStringLiteral("...")) and TranslationKey("...") in the sources and the captions
// of the render settings' tables, which the lists show through Translate. Sorted, each once.
QStringList ProgramVocabulary();

// A language file whose every value is the English text between "⟦" and "⟧", so that a text
// shown without passing through the engine stands out.
QByteArray MarkedLanguageFile(const QStringList& vocabulary);
// The mark MarkedLanguageFile gives a text.
QString Marked(const QString& english);
