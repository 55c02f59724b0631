#pragma once

#include "symbol/zint_symbology.h"

#include <QString>
#include <QStringList>

#include <vector>

// The names people type for a symbology: its display name, its enumeration name with or
// without "zs", and the common names of the alias table ("qr", "ean13", "gs1-128"). Letter
// case, blanks and hyphens never count.

// The name as compared: lower case, without blanks and hyphens.
QString FoldSymbologyName(const QString& name);

// The common names of a symbology as the alias table writes them ("ean13", "micro qr"); none
// for most.
QStringList CommonSymbologyNames(TZintSymbology symbology);

// The symbologies one of whose names contains the typed text, in catalogue order; all of them
// for an empty text.
std::vector<TZintSymbology> SymbologiesContaining(const QString& typed);

struct TSymbologyLookup
{
    // One entry: the symbology meant. Several: the name fits each of them equally well.
    std::vector<TZintSymbology> Matches;
    // Without a match: the symbologies whose names are nearest to a mistyped one.
    std::vector<TZintSymbology> Suggestions;
};

// What a typed name means: a name of one symbology or a library number first, else a part of
// names. A part found in several symbologies' names is ambiguous, never a guess.
TSymbologyLookup LookUpSymbology(const QString& name);
