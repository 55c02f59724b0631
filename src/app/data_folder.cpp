#include "app/data_folder.h"

#include "platform/file_probe.h"

#include <QDir>

namespace {
QString WithTrailingSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
} // namespace

QString ChooseDataFolder(const QString& programFolder, const QString& dataHome,
                         const QString& companyName, const QString& productName)
{
    if (CanCreateFileIn(programFolder))
        return WithTrailingSlash(programFolder);

    // Both levels are created in turn; a failure (the folder exists, no permission) is
    // not an error here, the settings file copes with a folder it cannot use.
    const QString companyFolder = WithTrailingSlash(dataHome) + companyName;
    const QString productFolder = companyFolder + QLatin1Char('/') + productName;
    QDir().mkdir(companyFolder);
    QDir().mkdir(productFolder);
    return productFolder + QLatin1Char('/');
}
