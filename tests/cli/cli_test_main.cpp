#include <QGuiApplication>

#include <gtest/gtest.h>

// QProcess and the image readers of the written files want an application object.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
