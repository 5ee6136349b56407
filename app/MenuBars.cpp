#include "app/MenuBars.h"

#include "app/App.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace MenuBars {

static const char *const OwnBarProperty = "tumblewickOwnMenuBar";

bool hasOwnBar(const QWidget *window) {
    return window && window->property(OwnBarProperty).toBool();
}

static QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption) {
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

static QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                        const char *shortcut = nullptr) {
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (shortcut)
        a->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    return a;
}

static QAction *addSeparator(QMenu *menu, const char *name) {
    QAction *a = menu->addSeparator();
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

template <class Handler> static void bind(QAction *a, Handler handler) {
    QObject::connect(a, &QAction::triggered, a, [handler] {
        if (App *app = App::instance())
            (app->*handler)();
    });
}

static void addQuit(QMenu *file) {
    QAction *quit = addItem(file, "FileQuit", QStringLiteral("Quit"), "Ctrl+Q");
    quit->setMenuRole(QAction::QuitRole);
    QObject::connect(quit, &QAction::triggered, quit, [] { App::quitCommand(); });
}

// ---------------------------------------------------------------------------
// The Edit items: they act on the text field that has the focus in the bar's
// window, and are enabled exactly while that field can carry them out.

namespace {

enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

class EditActions : public QObject {
public:
    EditActions(QMenuBar *bar, QMenu *menu, QAction *undo, QAction *cut, QAction *copy,
                QAction *paste, QAction *clear, QAction *selectAll)
        : QObject(bar), m_window(bar->parentWidget()), m_undo(undo), m_cut(cut), m_copy(copy),
          m_paste(paste), m_clear(clear), m_selectAll(selectAll) {
        const std::pair<QAction *, EditCommand> items[] = {
            {undo, EditCommand::Undo},   {cut, EditCommand::Cut},
            {copy, EditCommand::Copy},   {paste, EditCommand::Paste},
            {clear, EditCommand::Clear}, {selectAll, EditCommand::SelectAll}};
        for (const auto &[action, command] : items) {
            const EditCommand c = command;
            connect(action, &QAction::triggered, this, [this, c] { run(c); });
        }
        connect(qApp, &QApplication::focusChanged, this, &EditActions::retarget);
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                &EditActions::refresh);
        // Read-only and echo-mode changes have no signal: look again whenever
        // the menu opens.
        connect(menu, &QMenu::aboutToShow, this, &EditActions::retarget);
        retarget();
    }

private:
    static bool clipboardHasText() {
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasText() && !data->text().isEmpty();
    }

    void retarget() {
        QWidget *focus = m_window ? m_window->focusWidget() : nullptr;
        if (!qobject_cast<QLineEdit *>(focus) && !qobject_cast<QPlainTextEdit *>(focus) &&
            !qobject_cast<QTextEdit *>(focus))
            focus = nullptr;
        if (focus != m_target) {
            for (const QMetaObject::Connection &c : std::as_const(m_links))
                disconnect(c);
            m_links.clear();
            m_target = focus;
            if (auto *le = qobject_cast<QLineEdit *>(focus)) {
                m_links << connect(le, &QLineEdit::textChanged, this, &EditActions::refresh)
                        << connect(le, &QLineEdit::selectionChanged, this, &EditActions::refresh);
            } else if (auto *pe = qobject_cast<QPlainTextEdit *>(focus)) {
                linkTextArea(pe);
            } else if (auto *te = qobject_cast<QTextEdit *>(focus)) {
                linkTextArea(te);
            }
        }
        refresh();
    }

    template <class TextArea> void linkTextArea(TextArea *t) {
        m_links << connect(t, &TextArea::textChanged, this, &EditActions::refresh)
                << connect(t, &TextArea::selectionChanged, this, &EditActions::refresh)
                << connect(t, &TextArea::undoAvailable, this, &EditActions::refresh)
                << connect(t, &TextArea::copyAvailable, this, &EditActions::refresh);
    }

    void setStates(bool undo, bool cut, bool copy, bool paste, bool clear, bool selectAll) {
        m_undo->setEnabled(undo);
        m_cut->setEnabled(cut);
        m_copy->setEnabled(copy);
        m_paste->setEnabled(paste);
        m_clear->setEnabled(clear);
        m_selectAll->setEnabled(selectAll);
    }

    template <class TextArea> void refreshTextArea(TextArea *t) {
        const bool editable = !t->isReadOnly();
        const bool selected = t->textCursor().hasSelection();
        setStates(editable && t->document()->isUndoAvailable(), editable && selected, selected,
                  editable && t->canPaste(), editable && selected, !t->document()->isEmpty());
    }

    void refresh() {
        QWidget *w = m_target;
        if (w && !w->isEnabled())
            w = nullptr;
        if (auto *le = qobject_cast<QLineEdit *>(w)) {
            const bool editable = !le->isReadOnly();
            const bool selected = le->hasSelectedText();
            const bool shown = le->echoMode() == QLineEdit::Normal;
            setStates(editable && le->isUndoAvailable(), editable && selected && shown,
                      selected && shown, editable && clipboardHasText(), editable && selected,
                      !le->text().isEmpty());
        } else if (auto *pe = qobject_cast<QPlainTextEdit *>(w)) {
            refreshTextArea(pe);
        } else if (auto *te = qobject_cast<QTextEdit *>(w)) {
            refreshTextArea(te);
        } else {
            setStates(false, false, false, false, false, false);
        }
    }

    template <class TextArea> static void runOnTextArea(TextArea *t, EditCommand c) {
        switch (c) {
        case EditCommand::Undo: t->undo(); break;
        case EditCommand::Cut: t->cut(); break;
        case EditCommand::Copy: t->copy(); break;
        case EditCommand::Paste: t->paste(); break;
        case EditCommand::Clear: {
            QTextCursor cursor = t->textCursor();
            cursor.removeSelectedText();
            t->setTextCursor(cursor);
            break;
        }
        case EditCommand::SelectAll: t->selectAll(); break;
        }
    }

    void run(EditCommand c) {
        if (auto *le = qobject_cast<QLineEdit *>(m_target.data())) {
            switch (c) {
            case EditCommand::Undo: le->undo(); break;
            case EditCommand::Cut: le->cut(); break;
            case EditCommand::Copy: le->copy(); break;
            case EditCommand::Paste: le->paste(); break;
            case EditCommand::Clear:
                // del() removes the selection; without one it would remove
                // the character after the cursor, which Clear must not do.
                if (le->hasSelectedText())
                    le->del();
                break;
            case EditCommand::SelectAll: le->selectAll(); break;
            }
        } else if (auto *pe = qobject_cast<QPlainTextEdit *>(m_target.data())) {
            runOnTextArea(pe, c);
        } else if (auto *te = qobject_cast<QTextEdit *>(m_target.data())) {
            runOnTextArea(te, c);
        }
        refresh();
    }

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_target;
    QList<QMetaObject::Connection> m_links;
    QAction *m_undo, *m_cut, *m_copy, *m_paste, *m_clear, *m_selectAll;
};

// Gives MenuBar1's application commands application-wide reach, except while
// a window with a bar of its own is active: then they fall back to the main
// window's scope, so that window's own Ctrl+P and Ctrl+Q are not ambiguous.
class ShortcutScope : public QObject {
public:
    static ShortcutScope *instance() {
        static QPointer<ShortcutScope> scope;
        if (!scope) {
            scope = new ShortcutScope(qApp);
            qApp->installEventFilter(scope);
        }
        return scope;
    }

    void addApplicationCommand(QAction *a) {
        m_actions.append(a);
        apply();
    }

    void apply() {
        const Qt::ShortcutContext context = hasOwnBar(QApplication::activeWindow())
                                                ? Qt::WindowShortcut
                                                : Qt::ApplicationShortcut;
        m_actions.removeAll(QPointer<QAction>());
        for (const QPointer<QAction> &a : std::as_const(m_actions)) {
            if (a->shortcutContext() != context)
                a->setShortcutContext(context);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type t = event->type();
        if ((t == QEvent::WindowActivate || t == QEvent::WindowDeactivate) && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow())
            apply();
        return false;
    }

private:
    using QObject::QObject;
    QList<QPointer<QAction>> m_actions;
};

} // namespace

static void addEditMenu(QMenuBar *bar, const char *separator1, const char *separator2) {
    QMenu *edit = addMenu(bar, "EditMenu", QStringLiteral("&Edit"));
    QAction *undo = addItem(edit, "EditUndo", QStringLiteral("&Undo"), "Ctrl+Z");
    addSeparator(edit, separator1);
    QAction *cut = addItem(edit, "EditCut", QStringLiteral("Cu&t"), "Ctrl+X");
    QAction *copy = addItem(edit, "EditCopy", QStringLiteral("&Copy"), "Ctrl+C");
    QAction *paste = addItem(edit, "EditPaste", QStringLiteral("&Paste"), "Ctrl+V");
    QAction *clear = addItem(edit, "EditClear", QStringLiteral("Clear"));
    addSeparator(edit, separator2);
    QAction *selectAll = addItem(edit, "EditSelectAll", QStringLiteral("Select &All"), "Ctrl+A");
    new EditActions(bar, edit, undo, cut, copy, paste, clear, selectAll);
}

QMenuBar *createMenuBar1(QWidget *window) {
    auto *bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("MenuBar1"));

    QMenu *file = addMenu(bar, "FileMenu", QStringLiteral("&File"));
    addQuit(file);
    QAction *print = addItem(file, "FilePrintHelp", QStringLiteral("Print Help"), "Ctrl+P");
    bind(print, &App::_FilePrintHelp_Action);

    addEditMenu(bar, "UntitledMenu1", "UntitledMenu0");

    QMenu *scores = addMenu(bar, "ScoresMenu", QStringLiteral("Scores"));
    bind(addItem(scores, "ScoresShow", QStringLiteral("Show Scores")), &App::_ScoresShow_Action);

    QMenu *words = addMenu(bar, "WordMaintenanceMenu", QStringLiteral("Word Maintenance"));
    bind(addItem(words, "WordMaintenanceShow", QStringLiteral("Show Maintenance")),
         &App::_WordMaintenanceShow_Action);

    QMenu *sound = addMenu(bar, "SoundMenu", QStringLiteral("Sound"));
    QAction *on = addItem(sound, "SoundSoundOn", QStringLiteral("On"));
    QAction *off = addItem(sound, "SoundSoundOff", QStringLiteral("Off"));
    // Exclusive, so choosing the item already checked keeps its mark; neither
    // is checked until the preferences are loaded.
    auto *soundGroup = new QActionGroup(sound);
    soundGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction *a : {on, off}) {
        a->setCheckable(true);
        soundGroup->addAction(a);
    }
    bind(on, &App::_SoundSoundOn_Action);
    bind(off, &App::_SoundSoundOff_Action);

    QMenu *update = addMenu(bar, "CheckForUpdateMenu", QStringLiteral("Check For Update"));
    update->menuAction()->setMenuRole(QAction::ApplicationSpecificRole);
    bind(addItem(update, "CheckForUpdateCheckNow", QStringLiteral("Check Now")),
         &App::_CheckForUpdateCheckNow_Action);

    QMenu *help = addMenu(bar, "HelpMenu", QStringLiteral("TWK Help"));
    bind(addItem(help, "HelpShow", QStringLiteral("Show Help")), &App::_HelpShow_Action);
    QAction *about = addItem(help, "HelpAbout", QStringLiteral("About..."));
    about->setMenuRole(QAction::AboutRole);
    bind(about, &App::_HelpAbout_Action);

    // Every item outside the Edit menu is an application command.
    ShortcutScope *scope = ShortcutScope::instance();
    for (QMenu *menu : {file, scores, words, sound, update, help}) {
        for (QAction *a : menu->actions())
            scope->addApplicationCommand(a);
    }
    return bar;
}

QMenuBar *createMenuBar2(QWidget *window) {
    auto *bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("MenuBar2"));
    window->setProperty(OwnBarProperty, true);

    QMenu *file = addMenu(bar, "FileMenu", QStringLiteral("&File"));
    // Left for the window to connect to its own print handler.
    addItem(file, "FilePrintHelp", QStringLiteral("Print Help"), "Ctrl+P");
    addQuit(file);

    addEditMenu(bar, "EditSeparator1", "EditSeparator2");
    // The window may already be active when it builds its bar.
    ShortcutScope::instance()->apply();
    return bar;
}

} // namespace MenuBars
