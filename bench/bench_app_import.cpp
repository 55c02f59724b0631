// Loads a text file of 1,000,000 lines into the window's list through "Load...", for
// /usr/bin/time -v: prints the load's wall time and the peak memory before and after it.
#include "app/app_form.h"
#include "offline_update_check.h"
#include "silent_dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include <sys/resource.h>

namespace {
constexpr int Lines = 1000000;

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const TOfflineUpdateCheck offlineUpdateCheck;
    QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("million.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 1; i <= Lines; ++i)
            file.write(QByteArray("ITEM-") + QByteArray::number(i) + '\n');
        std::printf("file: %lld bytes, %d lines\n", file.size(), Lines);
    }
    TSilentDialogs dialogs;
    dialogs.TextFile = TDialogService::TTextFileChoice{path, 4}; // UTF-8
    TAppForm form({work.filePath(QStringLiteral("lintaro")), work.path(), &dialogs});
    form.show();
    QApplication::processEvents();
    const long before = PeakKilobytes();
    QElapsedTimer timer;
    timer.start();
    form.Load1Click();
    QApplication::processEvents(); // the list paints its rows
    std::printf("load into the list: %lld ms\n", timer.elapsed());
    if (!dialogs.LastError.isEmpty())
        std::fprintf(stderr, "error: %s\n", qPrintable(dialogs.LastError));
    std::printf("peak RSS: %ld KB before the load, %ld KB after\n", before, PeakKilobytes());
    return form.CurrentText() == QStringLiteral("ITEM-%1").arg(Lines) ? 0 : 2;
}
