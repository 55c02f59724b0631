#include "fuzz_support.h"
#include "scratch_folder.h"

#include "platform/user_store.h"

#include <QDir>
#include <QFile>

// The input is the per-user store's file as another program (or a broken disk) may have left
// it. The store opens it, reads every name of both groups as text and as a number, and takes a
// new value, which it then reads back: a store that can be written keeps what it is given.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool configured = [] {
        // The store lives in the scratch folder, never in the user's own configuration.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(ScratchFolder()));
        return true;
    }();
    FuzzCheck(configured, "no configuration folder");
    EnsureFuzzApplication();
    const QString folder = ScratchFolder() + QStringLiteral("/Kelmora");
    FuzzCheck(QDir().mkpath(folder), "cannot make the store's folder");
    // A file of another size each time: QSettings rereads a file whose size or time changed.
    QFile::remove(folder + QStringLiteral("/Lintaro.conf"));
    WriteScratchFile(QStringLiteral("Kelmora/Lintaro.conf"), FuzzBytes(data, size));

    for (const QString& group : {QStringLiteral("Settings"), QStringLiteral("Window")}) {
        TUserStore store(group);
        for (const QString& name : store.Names()) {
            FuzzCheck(store.Contains(name), "a listed name the store does not contain");
            store.ReadString(name);
            store.ReadInteger(name, 0);
        }
        const QString value = QString::fromUtf8(FuzzBytes(data, std::min<std::size_t>(size, 64)));
        store.WriteString(QStringLiteral("FuzzValue"), value);
        store.Sync();
        if (store.IsWritable())
            FuzzCheck(store.ReadString(QStringLiteral("FuzzValue")) == value,
                      "a written value reads back otherwise");
    }
    return 0;
}
