#include "update/check_now.h"

#include "net/post_form.h"
#include "platform/os_description.h"
#include "platform/service_host.h"
#include "platform/store_lock.h"
#include "platform/user_locale_name.h"
#include "platform/user_store.h"
#include "update/installation_id.h"
#include "update/scramble_text.h"
#include "update/service_answer.h"
#include "update/tag_value.h"
#include "update/update_results.h"

#include <QDate>

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

// What this start found and counted in the store.
struct TStart
{
    int HowMany = 0;
    int ShowUpdate = 1;
    int Contact = 0; // this contact's number on its day; 0: no contact
};

// This start of the version, the first of a new version being 1, and the day's contact when
// one is due. Runs under the store lock and reads the store afresh, so that starts at the same
// moment count one after another.
TStart CountStart(TUserStore& store, const TCheckSetup& setup)
{
    store.Sync();
    TStart start;
    int howMany = qMax(0, store.ReadInteger(QStringLiteral("HowMany"), 0));
    if (store.ReadString(QStringLiteral("InstalledVersion")) != setup.AppVersion)
        howMany = 0;
    start.HowMany = NextCount(howMany);
    store.WriteInteger(QStringLiteral("HowMany"), start.HowMany);
    store.WriteString(QStringLiteral("InstalledVersion"), setup.AppVersion);

    start.ShowUpdate = store.ReadInteger(QStringLiteral("ShowUpdate"), 1);
    const bool sameDay = store.ReadString(QStringLiteral("LastUpdateCheck")) == setup.Today;
    const int lastCount =
        qBound(0, store.ReadInteger(QStringLiteral("LastUpdateCheckCount"), 0), MaxContactsPerDay);
    if (start.ShowUpdate != 0 && !(sameDay && lastCount >= MaxContactsPerDay)) {
        start.Contact = sameDay ? lastCount + 1 : 1;
        store.WriteString(QStringLiteral("LastUpdateCheck"), setup.Today);
        store.WriteInteger(QStringLiteral("LastUpdateCheckCount"), start.Contact);
    }
    // Counted before the post, so that a program ended during it still counts it.
    store.Sync();
    return start;
}

// The service's one answer; a failure is logged and leaves the answer empty.
QString AskService(const TCheckSetup& setup, const QStringList& fields, TCheckLog& log,
                   const std::atomic<bool>* cancelled)
{
    const QString address = ServiceAddress(setup.ServiceHost, ServicePath);
    try {
        return PostForm(address, fields, {}, cancelled);
    } catch (const EPostFormError& error) {
        const bool secure = address.startsWith(QLatin1String("https://"));
        log.Add(
            (secure ? QStringLiteral("HTTPS Response:\r") : QStringLiteral("HTTP Response:\r")) +
            QString::fromUtf8(error.what()));
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
    return {appName, appVersion, MakerServiceHost(), QDate::currentDate().toString(Qt::ISODate)};
}

void CheckNow(const TCheckSetup& setup, TUpdateResults& results, const std::atomic<bool>* cancelled)
{
    TCheckLog log(results);

    if (!results.Store)
        results.Store = std::make_unique<TUserStore>();
    TUserStore& store = *results.Store;
    if (!store.IsWritable())
        log.Add(QStringLiteral("Error: Registry open problem!"));

    // Every write happens under the lock: QSettings writes its whole copy back when the file's
    // time and size look unchanged, which two starts writing "13" and "14" within one clock
    // tick leave alike, so a write outside it could put an older count back.
    TStart start;
    QString installationId;
    {
        const TStoreLock lock(store);
        if (lock.Held()) {
            start = CountStart(store, setup);
            if (start.Contact > 0)
                installationId = InstallationId(store);
        } else {
            // Without the lock the day's count cannot be trusted: no contact.
            log.Add(QStringLiteral("Error: Registry lock problem!"));
            start.ShowUpdate = store.ReadInteger(QStringLiteral("ShowUpdate"), 1);
        }
    }
    results.ShowUpdate.store(start.ShowUpdate, std::memory_order_relaxed);

    const QString storedUrl = store.ReadString(QStringLiteral("CurrentURL"));
    if (!storedUrl.isEmpty())
        results.DownloadURL = UnscrambleText(storedUrl);

    if (start.Contact > 0) {
        try {
            const QStringList fields = {
                QStringLiteral("cmd=check"),
                QStringLiteral("appname=") + setup.AppName,
                QStringLiteral("version=") + setup.AppVersion,
                QStringLiteral("os=") + CurrentOsDescription(),
                QStringLiteral("local=") + UserLocaleName(),
                QStringLiteral("guid=") + installationId,
                QStringLiteral("howmany=") + QString::number(start.HowMany),
            };

            const QString body = AskService(setup, fields, log, cancelled);
            if (body.startsWith(QLatin1String("ERROR")))
                log.Add(QStringLiteral("INVALIDSERVERRESPONSE"));
            if (!log.Failed()) {
                const TStoreLock lock(store);
                store.Sync();
                TakeAnswer(ResponseLines(body), store, results);
                store.Sync();
                if (IsNewerVersion(results.LatestVersion, setup.AppVersion) &&
                    start.ShowUpdate == 1 && start.Contact <= AnnouncingContactsPerDay)
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
