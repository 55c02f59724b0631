#pragma once

#include <QString>

#include <optional>

class QCommandLineParser;
struct TBatchSettings;

// --sheet PRESET|SPEC and --cut-guides.
void AddSheetOptions(QCommandLineParser& parser);

// Reads them into `settings`; the message of a usage error, if there is one. A sheet is always
// a PDF that nothing else reads back, so a --format other than pdf and --verify do not go with it.
std::optional<QString> ReadSheetOptions(const QCommandLineParser& parser, TBatchSettings& settings);
