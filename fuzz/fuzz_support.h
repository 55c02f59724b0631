#pragma once

// What every fuzz target shares: the application object, a property check, the input cut up.

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QList>

// The application object fonts, images and the command-line parser need, made once per
// process on the offscreen platform.
void EnsureFuzzApplication();

// Stops the run with a message when a property every input must keep is broken; libFuzzer
// records the input as a crash.
void FuzzCheck(bool holds, const char* what);

// The input as bytes, and cut into `parts` pieces at "\n--8<--\n" (missing pieces empty), so
// one input can fill several files or fields and seeds stay readable.
QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size);
QList<QByteArray> FuzzParts(const QByteArray& input, int parts);
