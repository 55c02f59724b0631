#pragma once

#include <QLocale>
#include <QMap>
#include <QString>
#include <QStringList>

class TUserStore;

// Values the window stored before its keys had names of their own: keyed by widget object
// name ("cbRAM", "fboMargin.edTop"), lists by their index, numbers as the user typed them.
struct TMigration
{
    QMap<QString, QString> Values; // the stored settings' keys with their texts
    QStringList Retired;           // the old names to remove
};

// The old values of `old` in the stored settings' keys and shapes. Numbers are read in
// `locale`, the one they were typed in; a value that cannot be read is left out and so
// keeps its default.
TMigration MigrateWindowValues(const QMap<QString, QString>& old, const QLocale& locale);

// Once per store: a store without a schema version gets its old values migrated and the
// version written. Answers whether anything was migrated.
bool MigrateStoredSettings(TUserStore& store, const QLocale& locale);
