#pragma once
// Shared fixtures for the tests: a private config folder per test, message
// boxes answered without showing, sounds recorded instead of played.
#include "app/msgbox.h"
#include "app/sharedwindow.h"
#include "app/sound.h"
#include "app/storage.h"
#include "game/Module1.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

namespace TestUtil {

// Points $XDG_CONFIG_HOME at `path` (which may be missing, or a file) while
// it lives, with no save failure reported yet.
class ConfigAt {
public:
    explicit ConfigAt(const QString &path) : m_old(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", path.toUtf8());
        Storage::resetReportedFailures();
    }
    ~ConfigAt() { qputenv("XDG_CONFIG_HOME", m_old); }
    ConfigAt(const ConfigAt &) = delete;
    ConfigAt &operator=(const ConfigAt &) = delete;

private:
    QByteArray m_old;
};

// A fresh, empty config folder; $XDG_CONFIG_HOME points at it while it lives.
class ConfigDir {
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.path() + u'/' + name; }

private:
    QTemporaryDir m_dir;
    ConfigAt m_at{m_dir.path()};
};

inline QByteArray readBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Records every message box and answers it with the button whose standard
// role matches `answer` (OK by default) without showing anything.
struct MessageBoxes {
    struct Seen {
        QString title, text, informative;
        QMessageBox::Icon icon;
        QStringList buttons;
        QString defaultButton;
    };
    QList<Seen> seen;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    // When set, clicks the button with this caption instead.
    QString answerCaption;

    MessageBoxes() {
        MsgBox::setHook([this](QMessageBox &box) -> QAbstractButton * {
            Seen s{box.windowTitle(), box.text(), box.informativeText(), box.icon(), {}, {}};
            for (QAbstractButton *b : box.buttons())
                s.buttons.append(b->text());
            if (box.defaultButton())
                s.defaultButton = box.defaultButton()->text();
            seen.append(s);
            for (QAbstractButton *b : box.buttons()) {
                if (!answerCaption.isEmpty() ? b->text() == answerCaption
                                             : box.standardButton(b) == answer)
                    return b;
            }
            return nullptr;
        });
    }
    ~MessageBoxes() { MsgBox::setHook(nullptr); }
};

// Records the sounds played instead of playing them.
struct SoundLog {
    QStringList played;
    SoundLog() {
        Sound::setPlayHook([this](const QString &name) { played.append(name); });
    }
    ~SoundLog() { Sound::setPlayHook(nullptr); }
};

// Closes every shared window and lets deferred deletions run, so the next
// test starts with none.
inline void closeAllWindows() {
    SharedWindows::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace TestUtil
