#pragma once

class QCommandLineParser;

// --only-failed FILE, --check-manifest and --expect N|INPUT: the runs that read the manifests
// earlier runs wrote. Their values are read with the other settings (ParseBatchOptions).
void AddManifestOptions(QCommandLineParser& parser);
