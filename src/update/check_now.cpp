#include "update/check_now.h"

#include "base/zint_exception.h"
#include "net/post_form.h"
#include "platform/machine_guid.h"
#include "platform/os_description.h"
#include "platform/service_host.h"
#include "platform/user_locale_name.h"
#include "platform/user_store.h"
#include "update/scramble_text.h"
#include "update/service_answer.h"
#include "update/tag_value.h"
#include "update/update_results.h"

#include <QDate>
#include <QLocale>

#include <cxxabi.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {
const QString ServicePath = QStringLiteral("/php/check2.php");
constexpr int MaxContactsPerDay = 5;
constexpr int AnnouncingContactsPerDay = 3;

class TCheckLog final
{
public:
    explicit TCheckLog(TUpdateResults& results) : FResults(results) { Clear(); }

    void Add(const QString& entry)
    {
        if (!FResults.CheckErrors.isEmpty())
            FResults.CheckErrors += QStringLiteral("\r\r");
        FResults.CheckErrors += entry;
        FResults.CheckFailed.store(true, std::memory_order_relaxed);
    }

    void Clear()
    {
        FResults.CheckErrors.clear();
        FResults.CheckFailed.store(false, std::memory_order_relaxed);
    }

    bool Failed() const { return FResults.CheckFailed.load(std::memory_order_relaxed); }

private:
    TUpdateResults& FResults;
};

QString ClassName(const std::exception& error)
{
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(typeid(error).name(), nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : typeid(error).name());
}

int NextCount(int count)
{
    return count < INT_MAX ? count + 1 : count;
}

QString Post(const QString& scheme, const TCheckSetup& setup, const QStringList& fields,
             const std::atomic<bool>* cancelled)
{
    return PostForm(scheme + QStringLiteral("://") + setup.ServiceHost + ServicePath, fields, {},
                    cancelled);
}

// This start of the version, counted in the store; the first start of a new version is 1.
int CountStart(TUserStore& store, const QString& appVersion)
{
    int howMany = qMax(0, store.ReadInteger(QStringLiteral("HowMany"), 0));
    if (store.ReadString(QStringLiteral("InstalledVersion")) != appVersion)
        howMany = 0;
    howMany = NextCount(howMany);
    store.WriteInteger(QStringLiteral("HowMany"), howMany);
    store.WriteString(QStringLiteral("InstalledVersion"), appVersion);
    return howMany;
}

// The service's answer: https first; a plain http answer clears the log of this run.
QString AskService(const TCheckSetup& setup, const QStringList& fields, TCheckLog& log,
                   const std::atomic<bool>* cancelled)
{
    try {
        return Post(QStringLiteral("https"), setup, fields, cancelled);
    } catch (const EPostFormError& httpsError) {
        log.Add(QStringLiteral("HTTPS Response:\r") + QString::fromUtf8(httpsError.what()));
    }
    try {
        QString body = Post(QStringLiteral("http"), setup, fields, cancelled);
        log.Clear();
        return body;
    } catch (const EPostFormError& httpError) {
        log.Add(QStringLiteral("HTTP Response:\r") + QString::fromUtf8(httpError.what()));
    }
    return {};
}

// Stores what the answer's lines hold; lines that are missing leave their values as they were.
void TakeAnswer(const QStringList& lines, TUserStore& store, TUpdateResults& results)
{
    if (lines.size() >= 1) {
        results.LatestVersion = TagValue(lines[0], QStringLiteral("version"));
        store.WriteString(QStringLiteral("CurrentVersion"), results.LatestVersion);
    }
    if (lines.size() >= 2) {
        results.DownloadURL = TagValue(lines[1], QStringLiteral("url"));
        store.WriteString(QStringLiteral("CurrentURL"), ScrambleText(results.DownloadURL));
    }
}
} // namespace

TCheckSetup CurrentCheckSetup(const QString& appName, const QString& appVersion)
{
    return {appName, appVersion, MakerServiceHost(),
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat),
            QStringLiteral("/etc/machine-id")};
}

void CheckNow(const TCheckSetup& setup, TUpdateResults& results, const std::atomic<bool>* cancelled)
{
    TCheckLog log(results);

    QString machineGuid;
    try {
        machineGuid = ReadMachineGuid(setup.MachineIdFile);
    } catch (const EZintException&) {
        log.Add(QStringLiteral("Error: GUID generate problem!"));
    }

    if (!results.Store)
        results.Store = std::make_unique<TUserStore>();
    TUserStore& store = *results.Store;
    if (!store.IsWritable())
        log.Add(QStringLiteral("Error: Registry open problem!"));

    const QString lastCheck = store.ReadString(QStringLiteral("LastUpdateCheck"));
    const int lastCount = store.ReadInteger(QStringLiteral("LastUpdateCheckCount"), 0);

    const int howMany = CountStart(store, setup.AppVersion);

    const QString storedUrl = store.ReadString(QStringLiteral("CurrentURL"));
    if (!storedUrl.isEmpty())
        results.DownloadURL = UnscrambleText(storedUrl);

    const int showUpdate = store.ReadInteger(QStringLiteral("ShowUpdate"), 1);
    results.ShowUpdate.store(showUpdate, std::memory_order_relaxed);

    const bool sameDay = lastCheck == setup.Today;
    if (showUpdate != 0 && !(sameDay && lastCount >= MaxContactsPerDay)) {
        const int count = sameDay ? NextCount(lastCount) : 1;
        store.WriteString(QStringLiteral("LastUpdateCheck"), setup.Today);
        store.WriteInteger(QStringLiteral("LastUpdateCheckCount"), count);
        // Counted before the post, so that a program ended during it still counts it.
        store.Sync();

        try {
            const QStringList fields = {
                QStringLiteral("cmd=check"),
                QStringLiteral("appname=") + setup.AppName,
                QStringLiteral("version=") + setup.AppVersion,
                QStringLiteral("os=") + CurrentOsDescription(),
                QStringLiteral("local=") + UserLocaleName(),
                QStringLiteral("guid=") + machineGuid,
                QStringLiteral("howmany=") + QString::number(howMany),
            };

            const QString body = AskService(setup, fields, log, cancelled);
            if (body.startsWith(QLatin1String("ERROR")))
                log.Add(QStringLiteral("INVALIDSERVERRESPONSE"));
            if (!log.Failed()) {
                TakeAnswer(ResponseLines(body), store, results);
                if (results.LatestVersion != setup.AppVersion &&
                    IsNumericVersion(results.LatestVersion) && showUpdate == 1 &&
                    count <= AnnouncingContactsPerDay)
                    results.NewVersionAvailable.store(true, std::memory_order_relaxed);
            }
        } catch (const std::exception& error) {
            log.Add(ClassName(error) + QStringLiteral(" Error:\r") +
                    QString::fromUtf8(error.what()));
        }
    }
    store.Sync();
    results.CheckDone.store(true, std::memory_order_release);
}
