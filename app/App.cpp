#include "app/App.h"

#include "app/sharedwindow.h"
#include "dictionary/Maintenance.h"
#include "game/Module1.h"
#include "game/Window1.h"
#include "help/AboutBox.h"
#include "help/Help.h"
#include "scores/GameScores.h"
#include "update/selfTest.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>

static App *s_app = nullptr;
static Sound *s_microwave = nullptr;
static Sound *s_ok3 = nullptr;

static App::CommandHook &commandHook() {
    static App::CommandHook hook;
    return hook;
}

void App::setCommandHook(CommandHook hook) { commandHook() = std::move(hook); }

bool App::intercepted(const char *itemName) {
    return commandHook() && commandHook()(QString::fromLatin1(itemName));
}

App::App() {
    s_app = this;
    if (qApp)
        connect(qApp, &QCoreApplication::aboutToQuit, this, [] { SharedWindows::closeAll(); });
}

App::~App() {
    if (s_app == this)
        s_app = nullptr;
    delete s_microwave;
    s_microwave = nullptr;
    delete s_ok3;
    s_ok3 = nullptr;
}

App *App::instance() { return s_app; }

QString App::ShortVersion() { return QStringLiteral(TW_SHORT_VERSION); }
QString App::LongVersion() { return QStringLiteral(TW_LONG_VERSION); }

void App::Event_Open() { Module1::R = std::make_unique<Random>(); }

QAction *App::menuItem(const QString &name) {
    Window1 *w = Window1::existing();
    if (!w || !w->menuBar())
        return nullptr;
    return w->menuBar()->findChild<QAction *>(name);
}

void App::updateSoundChecks() {
    if (QAction *on = menuItem(QStringLiteral("SoundSoundOn")))
        on->setChecked(Module1::SoundFlag);
    if (QAction *off = menuItem(QStringLiteral("SoundSoundOff")))
        off->setChecked(!Module1::SoundFlag);
}

bool App::_SoundSoundOn_Action() {
    if (intercepted("SoundSoundOn"))
        return false;
    Module1::SoundFlag = true;
    updateSoundChecks();
    return false;
}

bool App::_SoundSoundOff_Action() {
    if (intercepted("SoundSoundOff"))
        return false;
    Module1::SoundFlag = false;
    updateSoundChecks();
    return false;
}

bool App::_WordMaintenanceShow_Action() {
    if (intercepted("WordMaintenanceShow"))
        return false;
    Maintenance *m = Maintenance::instance();
    m->move(699, 70);
    SharedWindows::showWindow(m);
    return false;
}

bool App::_ScoresShow_Action() {
    if (intercepted("ScoresShow"))
        return false;
    GameScores *g = GameScores::instance();
    g->move(475, 70);
    SharedWindows::showWindow(g);
    return false;
}

bool App::_CheckForUpdateCheckNow_Action() {
    if (intercepted("CheckForUpdateCheckNow"))
        return false;
    SharedWindows::showWindow(selfTest::instance());
    return false;
}

bool App::_HelpShow_Action() {
    if (intercepted("HelpShow"))
        return false;
    SharedWindows::showWindow(Help::instance());
    return false;
}

bool App::_HelpAbout_Action() {
    if (intercepted("HelpAbout"))
        return false;
    SharedWindows::showWindow(AboutBox::instance());
    return false;
}

bool App::_FilePrintHelp_Action() {
    if (intercepted("FilePrintHelp"))
        return false;
    Help::instance()->printHelp();
    return false;
}

// The sounds live until the App object goes (before the QApplication does);
// without an App they are kept until the process ends.

Sound &App::Microwave() {
    if (!s_microwave)
        s_microwave = new Sound(QStringLiteral("Microwave"));
    return *s_microwave;
}

Sound &App::OK3() {
    if (!s_ok3)
        s_ok3 = new Sound(QStringLiteral("OK3"));
    return *s_ok3;
}

void App::quitCommand() {
    if (intercepted("FileQuit"))
        return;
    if (Window1 *w = Window1::existing())
        w->close();
    else
        quit();
}

void App::quit(QWidget *closing) {
    SharedWindows::closeAll(closing);
    QCoreApplication::quit();
}
