#include "cli/batch_version.h"

#include "platform/exe_version.h"

QString BatchVersionText(const QString& programPath)
{
    // The record, not a compiled-in string, so the answer is that of the file that runs.
    const TEXEVersionData version = GetEXEVersionData(programPath);
    return version.InternalName + QLatin1Char(' ') + version.ProductVersion + QLatin1Char('\n');
}
