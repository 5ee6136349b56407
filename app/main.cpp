#include "app/App.h"
#include "app/fonts.h"
#include "game/Window1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tumblewick"));
    QApplication::setApplicationVersion(App::ShortVersion());
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setDesktopFileName(QStringLiteral("example.tumblewick.Tumblewick"));
    // The window icon from PNG sizes: decoding them needs no image plugin,
    // which keeps start-up short.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/png/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    Fonts::installSubstitutions();
    App app;
    Window1::instance();
    app.Event_Open();
    return application.exec();
}
