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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tumblewick.svg")));
    Fonts::installSubstitutions();
    App app;
    Window1::instance();
    app.Event_Open();
    return application.exec();
}
