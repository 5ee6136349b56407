// The two menu bars: every item with its caption, shortcut and role; the
// application commands from any window; Print Help in front of a window with
// a bar of its own; the Edit items on the focused text field.
#include "testutil.h"

#include "app/App.h"
#include "app/MenuBars.h"
#include "dictionary/Maintenance.h"
#include "game/Window1.h"
#include "help/Help.h"
#include "scores/GameScores.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

// One line per menu and item, in bar order:
// "name|caption|shortcut|role" for items, "-name" for separators,
// "[name|caption|role]" for menus.
static QString roleName(QAction::MenuRole role) {
    switch (role) {
    case QAction::QuitRole: return QStringLiteral("quit");
    case QAction::AboutRole: return QStringLiteral("about");
    case QAction::ApplicationSpecificRole: return QStringLiteral("app");
    case QAction::TextHeuristicRole: return QString();
    default: return QStringLiteral("other");
    }
}

static QStringList describe(QMenuBar *bar) {
    QStringList out;
    for (QAction *m : bar->actions()) {
        // The menu and its title item carry the same name.
        const QString name = m->menu() && m->menu()->objectName() == m->objectName()
                                 ? m->objectName()
                                 : QStringLiteral("(mismatch)");
        out << QStringLiteral("[%1|%2|%3]").arg(name, m->text(), roleName(m->menuRole()));
        if (!m->menu())
            continue;
        for (QAction *a : m->menu()->actions()) {
            if (a->isSeparator())
                out << QLatin1Char('-') + a->objectName();
            else
                out << QStringLiteral("%1|%2|%3|%4").arg(a->objectName(), a->text(),
                                                         a->shortcut().toString(), roleName(a->menuRole()));
        }
    }
    return out;
}

// A window with a bar of its own, the way the help window builds it.
class OwnBarWindow : public QWidget {
public:
    int printed = 0;
    QLineEdit *line = new QLineEdit(this);
    QLineEdit *password = new QLineEdit(this);
    QPlainTextEdit *area = new QPlainTextEdit(this);
    QPushButton *button = new QPushButton(QStringLiteral("button"), this);
    QMenuBar *bar;

    OwnBarWindow() : QWidget(nullptr, Qt::Window) {
        auto *layout = new QVBoxLayout(this);
        for (QWidget *w : {static_cast<QWidget *>(line), static_cast<QWidget *>(password),
                           static_cast<QWidget *>(area), static_cast<QWidget *>(button)})
            layout->addWidget(w);
        password->setEchoMode(QLineEdit::Password);
        bar = MenuBars::createMenuBar2(this);
        layout->setMenuBar(bar);
        connect(item("FilePrintHelp"), &QAction::triggered, this, [this] { ++printed; });
    }
    QAction *item(const char *name) const { return bar->findChild<QAction *>(QLatin1String(name)); }
};

static void activate(QWidget *w) {
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::activeWindow(), w);
}

class TestMenus : public QObject {
    Q_OBJECT

    std::unique_ptr<TestUtil::ConfigDir> m_config;
    std::unique_ptr<TestUtil::MessageBoxes> m_boxes;
    std::unique_ptr<TestUtil::SoundLog> m_sounds;
    std::unique_ptr<App> m_app;
    QStringList m_commands;
    bool m_intercept = true;

    Window1 *mainWindow() {
        Window1 *w = Window1::instance();
        w->show();
        return w;
    }
    QAction *mainItem(const QString &name) { return mainWindow()->menuBar()->findChild<QAction *>(name); }

private slots:
    void initTestCase() {
        m_config = std::make_unique<TestUtil::ConfigDir>();
        m_boxes = std::make_unique<TestUtil::MessageBoxes>();
        m_sounds = std::make_unique<TestUtil::SoundLog>();
        m_app = std::make_unique<App>();
        App::setCommandHook([this](const QString &name) {
            m_commands << name;
            return m_intercept;
        });
    }
    void cleanupTestCase() {
        App::setCommandHook(nullptr);
        TestUtil::closeAllWindows();
        m_app.reset();
    }
    void init() {
        m_commands.clear();
        m_intercept = true;
    }

    void everyItemOfBothBars_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<QStringList>("expected");
        const QStringList edit1 = {"[EditMenu|&Edit|]", "EditUndo|&Undo|Ctrl+Z|", "-UntitledMenu1",
                                   "EditCut|Cu&t|Ctrl+X|", "EditCopy|&Copy|Ctrl+C|",
                                   "EditPaste|&Paste|Ctrl+V|", "EditClear|Clear||", "-UntitledMenu0",
                                   "EditSelectAll|Select &All|Ctrl+A|"};
        QTest::newRow("MenuBar1")
            << 1
            << (QStringList{"[FileMenu|&File|]", "FileQuit|Quit|Ctrl+Q|quit", "FilePrintHelp|Print Help|Ctrl+P|"}
                + edit1
                + QStringList{"[ScoresMenu|Scores|]", "ScoresShow|Show Scores||",
                              "[WordMaintenanceMenu|Word Maintenance|]",
                              "WordMaintenanceShow|Show Maintenance||", "[SoundMenu|Sound|]",
                              "SoundSoundOn|On||", "SoundSoundOff|Off||",
                              "[CheckForUpdateMenu|Check For Update|app]",
                              "CheckForUpdateCheckNow|Check Now||", "[HelpMenu|TWK Help|]",
                              "HelpShow|Show Help||", "HelpAbout|About...||about"});
        QTest::newRow("MenuBar2")
            << 2
            << QStringList{"[FileMenu|&File|]", "FilePrintHelp|Print Help|Ctrl+P|",
                           "FileQuit|Quit|Ctrl+Q|quit", "[EditMenu|&Edit|]", "EditUndo|&Undo|Ctrl+Z|",
                           "-EditSeparator1", "EditCut|Cu&t|Ctrl+X|", "EditCopy|&Copy|Ctrl+C|",
                           "EditPaste|&Paste|Ctrl+V|", "EditClear|Clear||", "-EditSeparator2",
                           "EditSelectAll|Select &All|Ctrl+A|"};
    }
    void everyItemOfBothBars() {
        QFETCH(int, bar);
        QFETCH(QStringList, expected);
        QWidget window;
        QMenuBar *b = bar == 1 ? MenuBars::createMenuBar1(&window) : MenuBars::createMenuBar2(&window);
        QCOMPARE(b->objectName(), bar == 1 ? QStringLiteral("MenuBar1") : QStringLiteral("MenuBar2"));
        QCOMPARE(describe(b), expected);
        // No item is checked by the definitions; only the Sound items can be.
        for (QAction *a : b->findChildren<QAction *>()) {
            QVERIFY(!a->isChecked());
            QCOMPARE(a->isCheckable(), a->objectName().startsWith(QLatin1String("SoundSound")));
        }
    }

    // Each application command reaches its handler from the main window and
    // from a window without a bar of its own, by menu and by shortcut.
    void applicationCommandsReachTheirHandlers_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("front");
        for (const char *front : {"Window1", "Maintenance"}) {
            for (const char *item : {"FileQuit", "FilePrintHelp", "ScoresShow", "WordMaintenanceShow",
                                     "SoundSoundOn", "SoundSoundOff", "CheckForUpdateCheckNow",
                                     "HelpShow", "HelpAbout"})
                QTest::addRow("%s from %s", item, front) << QString::fromLatin1(item)
                                                         << QString::fromLatin1(front);
        }
    }
    void applicationCommandsReachTheirHandlers() {
        QFETCH(QString, item);
        QFETCH(QString, front);
        QAction *action = mainItem(item);
        QVERIFY(action);
        QWidget *window = front == "Window1" ? static_cast<QWidget *>(mainWindow())
                                             : static_cast<QWidget *>(Maintenance::instance());
        activate(window);
        QVERIFY(action->isEnabled());
        action->trigger();
        QCOMPARE(m_commands, QStringList{item});

        if (!action->shortcut().isEmpty()) {
            m_commands.clear();
            const QKeyCombination key = action->shortcut()[0];
            QTest::keyClick(window, key.key(), key.keyboardModifiers());
            QCOMPARE(m_commands, QStringList{item});
        }
    }

    // Ctrl+P in front of a window with its own bar goes to that window's
    // print handler, once, and to the application's again elsewhere.
    void printHelpGoesToTheFrontWindowWithItsOwnBar() {
        mainWindow();
        OwnBarWindow help;
        activate(&help);
        QTest::keyClick(&help, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(help.printed, 1);
        QVERIFY(m_commands.isEmpty());
        // Its Quit is wired to the same command, without ambiguity.
        QTest::keyClick(&help, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(m_commands, QStringList{"FileQuit"});

        m_commands.clear();
        Maintenance *m = Maintenance::instance();
        activate(m);
        QTest::keyClick(m, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_commands, QStringList{"FilePrintHelp"});
        QCOMPARE(help.printed, 1);

        m_commands.clear();
        activate(&help);
        help.item("FilePrintHelp")->trigger();
        QCOMPARE(help.printed, 2);
        QVERIFY(m_commands.isEmpty());
    }

    // The same with the help window itself: its Print Help asks the print
    // dialog once, and the application's handler is not run.
    void printHelpInFrontOfTheHelpWindow() {
        mainWindow();
        int dialogs = 0;
        Help::setPrintDialog([&dialogs](QPrinter &) {
            ++dialogs;
            return false;
        });
        Help *help = Help::instance();
        activate(help);
        QTest::keyClick(help, Qt::Key_P, Qt::ControlModifier);
        Help::setPrintDialog(nullptr);
        QCOMPARE(dialogs, 1);
        QVERIFY(m_commands.isEmpty());
    }

    void soundItemsCarryExactlyOneCheck() {
        m_intercept = false;
        QAction *on = mainItem("SoundSoundOn");
        QAction *off = mainItem("SoundSoundOff");
        for (QAction *chosen : {off, on, on, off, off, on}) {
            chosen->trigger();
            QCOMPARE(Module1::SoundFlag, chosen == on);
            QCOMPARE(on->isChecked(), chosen == on);
            QCOMPARE(off->isChecked(), chosen == off);
        }
    }

    void showMaintenanceAndScoresPlaceTheirWindows() {
        m_intercept = false;
        mainItem("WordMaintenanceShow")->trigger();
        Maintenance *m = Maintenance::existing();
        QVERIFY(m && m->isVisible());
        QCOMPARE(m->pos(), QPoint(699, 70));
        m->move(10, 300);
        mainItem("WordMaintenanceShow")->trigger();
        QCOMPARE(m->pos(), QPoint(699, 70));

        // Closed, it comes back with the words saved at its close.
        m->words().replaceAll({"only", "these"});
        m->close();
        mainItem("WordMaintenanceShow")->trigger();
        Maintenance *again = Maintenance::existing();
        QVERIFY(again && again != m && again->isVisible());
        QCOMPARE(again->words().rows(), std::vector<std::string>({"only", "these"}));
        QCOMPARE(again->pos(), QPoint(699, 70));

        mainItem("ScoresShow")->trigger();
        GameScores *g = GameScores::existing();
        QVERIFY(g && g->isVisible());
        QCOMPARE(g->pos(), QPoint(475, 70));
    }

    void editItemsFollowTheFocusedField() {
        OwnBarWindow w;
        activate(&w);
        QAction *undo = w.item("EditUndo"), *cut = w.item("EditCut"), *copy = w.item("EditCopy"),
                *paste = w.item("EditPaste"), *clear = w.item("EditClear"),
                *selectAll = w.item("EditSelectAll");
        const auto states = [&] {
            QString s;
            for (QAction *a : {undo, cut, copy, paste, clear, selectAll})
                s += a->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
            return s;
        };
        QGuiApplication::clipboard()->setText(QStringLiteral("clip"));

        w.button->setFocus();
        QCOMPARE(states(), QStringLiteral("000000")); // no text field focused

        w.line->setFocus();
        QCOMPARE(states(), QStringLiteral("000100")); // empty field: only Paste
        QTest::keyClicks(w.line, QStringLiteral("hello"));
        QCOMPARE(states(), QStringLiteral("100101"));
        selectAll->trigger();
        QCOMPARE(states(), QStringLiteral("111111"));
        copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hello"));
        clear->trigger();
        QCOMPARE(w.line->text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hello"));
        undo->trigger();
        QCOMPARE(w.line->text(), QStringLiteral("hello"));
        w.line->setSelection(0, 2);
        cut->trigger();
        QCOMPARE(w.line->text(), QStringLiteral("llo"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("he"));
        w.line->setCursorPosition(3);
        paste->trigger();
        QCOMPARE(w.line->text(), QStringLiteral("llohe"));

        // A password field never gives its text away.
        w.password->setFocus();
        QTest::keyClicks(w.password, QStringLiteral("secret"));
        w.password->selectAll();
        QCOMPARE(states(), QStringLiteral("100111"));

        // A read-only text area: Copy (with a selection) and Select All only.
        w.area->setPlainText(QStringLiteral("some help text"));
        w.area->setReadOnly(true);
        w.area->setFocus();
        QCOMPARE(states(), QStringLiteral("000001"));
        selectAll->trigger();
        QCOMPARE(states(), QStringLiteral("001001"));
        copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("some help text"));

        // An editable text area.
        w.area->setReadOnly(false);
        w.area->clear();
        QTest::keyClicks(w.area, QStringLiteral("ab"));
        QTextCursor c = w.area->textCursor();
        c.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor);
        w.area->setTextCursor(c);
        QCOMPARE(states(), QStringLiteral("111111"));
        clear->trigger();
        QCOMPARE(w.area->toPlainText(), QStringLiteral("a"));

        w.button->setFocus();
        QCOMPARE(states(), QStringLiteral("000000"));
    }

    void mainBarEditItemsActOnTheGameWindow() {
        Window1 *main = mainWindow();
        activate(main);
        QAction *copy = mainItem("EditCopy");
        QAction *selectAll = mainItem("EditSelectAll");
        main->YourWord->setEnabled(true);
        main->YourWord->setReadOnly(false);
        main->YourWord->setFocus();
        main->YourWord->setText(QStringLiteral("word"));
        QVERIFY(selectAll->isEnabled());
        QVERIFY(!copy->isEnabled());
        selectAll->trigger();
        QVERIFY(copy->isEnabled());
        copy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("word"));
        main->YourWord->clear();
    }

    // Quit closes the main window, which closes every other window, hidden
    // ones included; the Maintenance window saves the dictionary as it goes.
    void quitClosesTheMainWindow() {
        m_intercept = false;
        mainWindow();
        Maintenance *m = Maintenance::instance();
        m->words().replaceAll({"saved", "at", "quit"});
        mainItem("FileQuit")->trigger();
        QVERIFY(!Window1::existing());
        QVERIFY(!Maintenance::existing());
        QCOMPARE(TestUtil::readBytes(m_config->file(QStringLiteral("tumblewickdictionary.txt"))),
                 QByteArray("saved\nat\nquit\n"));
    }
};

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
