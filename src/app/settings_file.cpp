#include "app/settings_file.h"

#include "platform/read_regular_file.h"
#include "platform/set_file_aside.h"

#include <QStringDecoder>
#include <QtGlobal>

namespace {
const QString SettingsFileName = QStringLiteral("settings.ini");

bool IsReadable(const QString& path)
{
    const TRegularFileRead file = ReadRegularFile(path);
    if (file.State == TRegularFileState::rfsMissing)
        return true;
    if (file.State != TRegularFileState::rfsRead)
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.Bytes);
    return !decoder.hasError();
}
} // namespace

bool CheckSettingsFile(const QString& dataFolder)
{
    const QString path = dataFolder + SettingsFileName;
    if (IsReadable(path))
        return true;
    // Kept for the user to look at, out of the way of the next start.
    const TSetAside aside = SetFileAside(path);
    if (aside.NewPath.isEmpty())
        qWarning("%s cannot be read and cannot be set aside (%s).", qUtf8Printable(path),
                 qUtf8Printable(aside.Reason));
    else
        qWarning("%s cannot be read; set aside as %s.", qUtf8Printable(path),
                 qUtf8Printable(aside.NewPath));
    return IsReadable(path);
}
