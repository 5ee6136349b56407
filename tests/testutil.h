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

// A fresh, empty config folder; $XDG_CONFIG_HOME points at it while it lives.
class ConfigDir {
public:
    ConfigDir() {
        m_old = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
        Storage::resetReportedFailures();
    }
    ~ConfigDir() { qputenv("XDG_CONFIG_HOME", m_old); }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.path() + u'/' + name; }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
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
