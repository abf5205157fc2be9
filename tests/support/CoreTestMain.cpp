#include <QCoreApplication>
#include <gtest/gtest.h>

// Tests that start processes want an application object, but no window system of their own.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
