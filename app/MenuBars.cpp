#include "app/MenuBars.h"

#include "app/App.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace MenuBars {

static QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption) {
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

static QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                        const QKeySequence &shortcut = {}) {
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(shortcut);
    return a;
}

template <class Handler> static void bind(QAction *a, Handler handler) {
    QObject::connect(a, &QAction::triggered, a, [handler] {
        if (App *app = App::instance())
            (app->*handler)();
    });
}

QMenuBar *createMenuBar1(QWidget *window) {
    auto *bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("MenuBar1"));

    QMenu *file = addMenu(bar, "FileMenu", QStringLiteral("&File"));
    QAction *quit = addItem(file, "FileQuit", QStringLiteral("Quit"), QKeySequence(QStringLiteral("Ctrl+Q")));
    quit->setMenuRole(QAction::QuitRole);
    QObject::connect(quit, &QAction::triggered, window, [window] { window->close(); });
    bind(addItem(file, "FilePrintHelp", QStringLiteral("Print Help"), QKeySequence(QStringLiteral("Ctrl+P"))),
         &App::_FilePrintHelp_Action);

    QMenu *scores = addMenu(bar, "ScoresMenu", QStringLiteral("Scores"));
    bind(addItem(scores, "ScoresShow", QStringLiteral("Show Scores")), &App::_ScoresShow_Action);

    QMenu *words = addMenu(bar, "WordMaintenanceMenu", QStringLiteral("Word Maintenance"));
    bind(addItem(words, "WordMaintenanceShow", QStringLiteral("Show Maintenance")),
         &App::_WordMaintenanceShow_Action);

    QMenu *sound = addMenu(bar, "SoundMenu", QStringLiteral("Sound"));
    QAction *on = addItem(sound, "SoundSoundOn", QStringLiteral("On"));
    QAction *off = addItem(sound, "SoundSoundOff", QStringLiteral("Off"));
    on->setCheckable(true);
    off->setCheckable(true);
    bind(on, &App::_SoundSoundOn_Action);
    bind(off, &App::_SoundSoundOff_Action);

    QMenu *update = addMenu(bar, "CheckForUpdateMenu", QStringLiteral("Check For Update"));
    bind(addItem(update, "CheckForUpdateCheckNow", QStringLiteral("Check Now")),
         &App::_CheckForUpdateCheckNow_Action);

    QMenu *help = addMenu(bar, "HelpMenu", QStringLiteral("TWK Help"));
    bind(addItem(help, "HelpShow", QStringLiteral("Show Help")), &App::_HelpShow_Action);
    QAction *about = addItem(help, "HelpAbout", QStringLiteral("About..."));
    about->setMenuRole(QAction::AboutRole);
    bind(about, &App::_HelpAbout_Action);
    return bar;
}

QMenuBar *createMenuBar2(QWidget *window) {
    auto *bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("MenuBar2"));
    QMenu *file = addMenu(bar, "FileMenu", QStringLiteral("&File"));
    addItem(file, "FilePrintHelp", QStringLiteral("Print Help"), QKeySequence(QStringLiteral("Ctrl+P")));
    QAction *quit = addItem(file, "FileQuit", QStringLiteral("Quit"), QKeySequence(QStringLiteral("Ctrl+Q")));
    quit->setMenuRole(QAction::QuitRole);
    QObject::connect(quit, &QAction::triggered, [] { App::quit(); });
    return bar;
}

} // namespace MenuBars
