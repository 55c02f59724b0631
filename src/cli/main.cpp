#include "cli/batch_options.h"
#include "cli/batch_runner.h"
#include "cli/batch_version.h"
#include "cli/manifest_check.h"
#include "cli/platform_start.h"
#include "cli/sheet_run.h"

#include "base/zint_exception.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstring>
#include <optional>

#include <malloc.h>

#include <unistd.h>

namespace {
bool NamesPlatform(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    return false;
}

int RunCommand(QTextStream& out, QTextStream& errors)
{
    const TBatchParseResult parsed = ParseBatchOptions(QCoreApplication::arguments());
    switch (parsed.Command) {
    case TBatchCommand::bcHelp:
        out << parsed.Text;
        return becAllWritten;
    case TBatchCommand::bcVersion:
        try {
            out << BatchVersionText(QCoreApplication::applicationFilePath());
        } catch (const EZintException& error) {
            errors << "The version record cannot be read: " << QString::fromUtf8(error.what())
                   << Qt::endl;
            return becUsageOrInput;
        }
        return becAllWritten;
    case TBatchCommand::bcListSheets:
        for (const QString& warning : parsed.Warnings)
            errors << "warning: " << warning << Qt::endl;
        out << parsed.Text;
        return becAllWritten;
    case TBatchCommand::bcListSymbologies:
        out << SymbologyTable();
        return becAllWritten;
    case TBatchCommand::bcCheckManifest:
        return CheckManifests(parsed.Settings, out, errors);
    case TBatchCommand::bcUsageError:
        errors << parsed.Text << "\nTry --help for the options." << Qt::endl;
        return becUsageOrInput;
    case TBatchCommand::bcRun:
        break;
    }
    for (const QString& warning : parsed.Warnings)
        errors << "warning: " << warning << Qt::endl;
    if (parsed.Settings.Sheet)
        return RunLabelSheet(parsed.Settings, errors);
    return RunBatch(parsed.Settings, errors, isatty(STDERR_FILENO) == 1);
}
} // namespace

int main(int argc, char** argv)
{
    // Every entry allocates and frees pictures of the same few hundred kilobytes; kept in the
    // heap they are reused, instead of being mapped, faulted in and handed back each time.
    constexpr int MiB = 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, 64 * MiB);
    mallopt(M_TRIM_THRESHOLD, 256 * MiB);
    // Fonts need a GUI application, a display does not: default to drawing offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !NamesPlatform(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<TPlatformStartNotices> startNotices(std::in_place);
    QGuiApplication app(argc, argv);
    startNotices.reset();
    QTextStream out(stdout);
    QTextStream errors(stderr);
    const int status = RunCommand(out, errors);
    out.flush();
    errors.flush();
    EndWithoutTeardown(status);
}
