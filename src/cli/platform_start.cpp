#include "cli/platform_start.h"

#include <QString>
#include <QtGlobal>

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
