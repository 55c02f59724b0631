// Serves one canned answer on 127.0.0.1 until it is stopped, for checks of the running
// program by hand (scripts/update-popup-check). Not a test.
#include "support/loopback_server.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ANSWER\n", argv[0]);
        return 2;
    }
    const TLoopbackServer server(TCannedReply::Answer(QByteArray(argv[1])));
    std::printf("%s\n", qPrintable(server.ServiceHost()));
    std::fflush(stdout);
    return app.exec();
}
