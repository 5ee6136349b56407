// The yardstick for start-up time and memory: a Qt Widgets program that
// opens one window and does nothing else.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Minimal"));
    window.setWindowTitle(QStringLiteral("MinimalQtWindow"));
    window.resize(440, 550);
    window.show();
    return app.exec();
}
