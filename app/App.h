#pragma once
#include "app/sound.h"
#include "buildinfo.h"

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QWidget;

// The application object: version information, the application-level menu
// commands, the two sounds, and quitting.
class App : public QObject {
    Q_OBJECT
public:
    App();
    ~App() override;
    static App *instance();

    static constexpr int MajorVersion = TW_MAJOR_VERSION;
    static constexpr int MinorVersion = TW_MINOR_VERSION;
    static constexpr int BugVersion = TW_BUG_VERSION;
    static QString ShortVersion();
    static QString LongVersion();

    // The application's Open event: creates the random generator R.
    void Event_Open();

    // Application-level menu commands. Each returns false, as menu handlers do.
    bool _SoundSoundOn_Action();
    bool _SoundSoundOff_Action();
    bool _WordMaintenanceShow_Action();
    bool _ScoresShow_Action();
    bool _CheckForUpdateCheckNow_Action();
    bool _HelpShow_Action();
    bool _HelpAbout_Action();
    bool _FilePrintHelp_Action();

    // The two sounds, loaded on first use and kept.
    static Sound &Microwave();
    static Sound &OK3();

    // Closes every window, hidden ones included (so their Close handlers
    // save), then ends the event loop. `closing` is the window already closing.
    static void quit(QWidget *closing = nullptr);

    // The Quit menu item: closes the main window, whose Close handler saves
    // the preferences and quits; without a main window, quits at once.
    static void quitCommand();

    // Sets the check marks of the two Sound items from SoundFlag.
    static void updateSoundChecks();

    // A menu item of the main window's bar, by name.
    static QAction *menuItem(const QString &name);

    // For tests: when set, each application-level menu handler and Quit first
    // hand their item's name ("HelpShow", "FileQuit", ...) to the hook, and do
    // nothing more when it returns true.
    using CommandHook = std::function<bool(const QString &itemName)>;
    static void setCommandHook(CommandHook hook);

private:
    static bool intercepted(const char *itemName);
};
