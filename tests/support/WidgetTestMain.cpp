#include "controls/ControlAccessibility.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A test that ends the program (the exit sequence calls QApplication::exit) outside the main loop leaves
// a quit request behind that would end every later local event loop at once; running the main loop
// briefly after each test consumes it.
class PendingQuitReset : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    pennoc::installControlAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new PendingQuitReset);
    return RUN_ALL_TESTS();
}
