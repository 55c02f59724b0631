#pragma once

#include "symbol/property_types.h"

class QObject;

// The registry entry of a QObject, taken from its meta-object: the Q_PROPERTYs declared
// below QObject of type int, bool, Q_ENUM enumeration or QObject pointer. Integer ranges
// come from the class (Qt has none of its own); an integer without one spans all of int.
QList<TPublishedProperty> QObjectPublishedProperties(QObject& object);
