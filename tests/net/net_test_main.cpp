#include <QCoreApplication>

#include <gtest/gtest.h>

// The loopback server's TLS back-end is a Qt plug-in, found through the application.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
