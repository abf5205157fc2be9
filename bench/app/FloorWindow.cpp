// The floor for the start-up benchmark: a bare frameless Qt window of the program's size with one Chinese
// label, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(426, 507);
    QLabel label(QStringLiteral("便笺"), &window);
    label.move(4, 2);
    window.show();
    return app.exec();
}
