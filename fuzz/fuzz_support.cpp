#include "fuzz_support.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

void EnsureFuzzApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "lintaro-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

void FuzzCheck(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

QList<QByteArray> FuzzParts(const QByteArray& input, int parts)
{
    static const QByteArray separator("\n--8<--\n");
    QList<QByteArray> pieces;
    qsizetype start = 0;
    while (pieces.size() + 1 < parts) {
        const qsizetype found = input.indexOf(separator, start);
        if (found < 0)
            break;
        pieces << input.mid(start, found - start);
        start = found + separator.size();
    }
    pieces << input.mid(start);
    while (pieces.size() < parts)
        pieces << QByteArray();
    return pieces;
}
