#include "cli/platform_start.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
// fontconfig keeps parts of its state where the leak check cannot see them; only the teardown
// this tool skips frees them.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so";
}

// Standard error carries the tool's own report only.
extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}
#endif

namespace {
QtMessageHandler PreviousHandler = nullptr;

// Starting the GUI platform asks for the runtime folder only to find out whether it runs in a
// sandbox that needs portals; without XDG_RUNTIME_DIR (cron, ssh, containers) Qt says so on
// every run. This tool keeps no runtime files, so that notice is no news to its users.
bool IsRuntimeFolderNotice(const QString& message)
{
    return message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void FilterStartNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && IsRuntimeFolderNotice(message))
        return;
    PreviousHandler(type, context, message);
}
} // namespace

TPlatformStartNotices::TPlatformStartNotices()
{
    PreviousHandler = qInstallMessageHandler(FilterStartNotices);
}

TPlatformStartNotices::~TPlatformStartNotices()
{
    qInstallMessageHandler(PreviousHandler);
}

// Destroying the offscreen platform asks fontconfig for its configuration, which loads every
// configuration file and font cache when no text was drawn: about as much work as the rest of
// a one-entry run. Nothing in the teardown is needed once the files are closed.
void EndWithoutTeardown(int status)
{
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // The leak check runs at exit, which this skips.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}
