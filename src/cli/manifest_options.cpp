#include "cli/manifest_options.h"

#include <QCommandLineParser>

void AddManifestOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(
        QStringLiteral("only-failed"),
        QStringLiteral(
            "Write only the entries whose last record in the manifest FILE (a --manifest of "
            "earlier runs; repeatable, later files standing over earlier ones) is not a "
            "success: those that failed and those a stopped run never reached; like --resume, "
            "never as \" (2)\". A manifest that puts an entry on another input line is refused."),
        QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("check-manifest"),
        QStringLiteral(
            "Check the manifests given as the arguments instead of writing: every entry of "
            "--expect recorded with one file, none missing, none written twice, none failed; with "
            "-o also every file's bytes and SHA-256. Exit status 0 when complete, 1 otherwise.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("expect"),
        QStringLiteral(
            "The entries --check-manifest expects: their number, or the input file (its entries, "
            "by the input options, each on the line it was recorded on)."),
        QStringLiteral("N|INPUT")));
}
