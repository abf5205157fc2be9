#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

// Usage: pennoc_screen_region X Y WIDTH HEIGHT. Prints a digest of what the screen shows in that rectangle,
// so a test can tell whether that part of the screen changed.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: pennoc_screen_region X Y WIDTH HEIGHT\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fprintf(stderr, "no screen\n");
        return 1;
    }
    const QImage image =
        screen->grabWindow(0, std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "nothing grabbed\n");
        return 1;
    }
    const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    std::printf("%s\n", QCryptographicHash::hash(pixels, QCryptographicHash::Sha1).toHex().constData());
    return 0;
}
