#pragma once
#include "app/sharedwindow.h"

#include <QByteArray>
#include <QPointer>
#include <QUrl>
#include <QWidget>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;
class QPushButton;

// Update: a modal window that fetches the update feed once, shows an
// indeterminate bar with a Cancel button while it waits, and then confirms
// the running version, offers the new one or reports a communication error.
class updateWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static updateWindow *instance() { return Shared<updateWindow>::instance(); }
    static updateWindow *existing() { return Shared<updateWindow>::existing(); }

    // The feed is read with this cap; a longer body is a communication error.
    static constexpr qint64 MaxFeedBytes = 1024 * 1024;

    // The feed's address: the build's update address unless a test has set
    // another one (an empty URL restores the build's).
    static QUrl feedUrl();
    static void setFeedUrl(const QUrl &url);

    updateWindow();
    ~updateWindow() override;
    void Event_Open();

    // Cancel: ends the check at once.
    void PushButton1_Action();
    // A received page (any 2xx reply), decoded as UTF-8.
    void hp_PageReceived(const QString &page);
    // A communication error: the HTTP status for a non-success reply,
    // otherwise the network layer's error number (QNetworkReply::NetworkError).
    void hp_Error(int code);
    // The offer of a different version, and what its answer does.
    void askUpgrade(const QString &version, const QString &description,
                    const QString &downloadAddress, bool free);

    // Leaves out the confirmation box for a current version. Nothing sets it.
    bool automaticCheck = false;

    QLabel *StaticText1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *PushButton1 = nullptr;
    QNetworkAccessManager *hp = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void hp_ReadyRead();
    void hp_Finished();
    // Detaches and aborts the request in flight, so nothing of it arrives here.
    void dropRequest();

    QPointer<QNetworkReply> m_reply;
    QByteArray m_page;
};
