// Loads a text file of 1,000,000 lines (with the argument "csv": a CSV of 1,000,000 records
// of three columns, whose cells every entry keeps) into the window's list through "Load...",
// for /usr/bin/time -v: prints the load's wall time and the peak memory before and after it.
#include "app/app_form.h"
#include "app/list_pane.h"
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
    const bool table = argc > 1 && qstrcmp(argv[1], "csv") == 0;
    const QString path =
        work.filePath(table ? QStringLiteral("million.csv") : QStringLiteral("million.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        if (table)
            file.write("SKU,Name,Price\r\n");
        for (int i = 1; i <= Lines; ++i) {
            const QByteArray number = QByteArray::number(i);
            file.write(table ? "ITEM-" + number + ",\"Widget " + number + ", blue\",12.50\r\n"
                             : "ITEM-" + number + '\n');
        }
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
    form.ListPane().Load1Click();
    QApplication::processEvents(); // the list paints its rows
    std::printf("load into the list: %lld ms\n", timer.elapsed());
    if (!dialogs.LastError.isEmpty())
        std::fprintf(stderr, "error: %s\n", qPrintable(dialogs.LastError));
    std::printf("peak RSS: %ld KB before the load, %ld KB after\n", before, PeakKilobytes());
    return form.CurrentText() == QStringLiteral("ITEM-%1").arg(Lines) ? 0 : 2;
}
