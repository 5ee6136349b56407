#include "update/updateWindow.h"

#include "app/App.h"
#include "app/defaultbutton.h"
#include "app/msgbox.h"
#include "update/UpdateFeed.h"
#include "update/selfTest.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressBar>
#include <QPushButton>

static QUrl &feedUrlOverride() {
    static QUrl url;
    return url;
}

QUrl updateWindow::feedUrl() {
    const QUrl &url = feedUrlOverride();
    return url.isEmpty() ? QUrl(QStringLiteral(TW_UPDATE_URL)) : url;
}

void updateWindow::setFeedUrl(const QUrl &url) { feedUrlOverride() = url; }

updateWindow::updateWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("updateWindow"));
    setWindowTitle(QStringLiteral("Update"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(300, 120);

    StaticText1 = new QLabel(QStringLiteral("Checking for updates..."), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(20, 19, 266, 20);
    StaticText1->setTextFormat(Qt::PlainText);
    StaticText1->setAccessibleName(QStringLiteral("Status"));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(20, 46, 260, 12);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(QStringLiteral("Progress"));

    PushButton1 = new QPushButton(QStringLiteral("Cancel"), this);
    PushButton1->setObjectName(QStringLiteral("PushButton1"));
    PushButton1->setGeometry(208, 80, 72, 20);
    PushButton1->setAccessibleName(QStringLiteral("Cancel"));
    PushButton1->setDefault(true);
    connect(PushButton1, &QPushButton::clicked, this, &updateWindow::PushButton1_Action);

    hp = new QNetworkAccessManager(this);
    hp->setObjectName(QStringLiteral("hp"));

    DefaultButtonFilter::install(this);
}

updateWindow::~updateWindow() { dropRequest(); }

void updateWindow::Event_Open() {
    ProgressBar1->setRange(0, 0);

    QNetworkReply *reply = hp->get(QNetworkRequest(feedUrl()));
    m_reply = reply;
    m_page.clear();
    // The lambdas check that the reply is still this window's request: one
    // that was dropped must never reach the handlers.
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        if (reply != m_reply)
            return;
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > MaxFeedBytes) {
            dropRequest();
            hp_Error(QNetworkReply::UnknownContentError);
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        if (reply == m_reply)
            hp_ReadyRead();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        if (reply == m_reply)
            hp_Finished();
    });

    if (selfTest *s = selfTest::existing())
        s->close();
}

void updateWindow::hp_ReadyRead() {
    // Never hold more than the cap plus one byte: one byte over is enough to
    // know the feed is too long.
    m_page += m_reply->read(MaxFeedBytes + 1 - m_page.size());
    if (m_page.size() > MaxFeedBytes) {
        dropRequest();
        hp_Error(QNetworkReply::UnknownContentError);
    }
}

void updateWindow::hp_Finished() {
    hp_ReadyRead();
    QNetworkReply *reply = m_reply;
    if (!reply)
        return; // the rest of the body was over the cap
    m_reply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int code = status.toInt();
    if (status.isValid() && (code < 200 || code > 299))
        hp_Error(code);
    else if (reply->error() != QNetworkReply::NoError)
        hp_Error(reply->error());
    else
        hp_PageReceived(QString::fromUtf8(m_page));
}

void updateWindow::dropRequest() {
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void updateWindow::PushButton1_Action() { close(); }

void updateWindow::hp_PageReceived(const QString &page) {
    const UpdateFeed::Decision d =
        UpdateFeed::decide(page, App::MajorVersion, App::MinorVersion, App::BugVersion);
    if (d.outcome == UpdateFeed::Decision::CloseSilently) {
        close();
        return;
    }
    ProgressBar1->hide();
    QPointer<updateWindow> self(this);
    switch (d.outcome) {
    case UpdateFeed::Decision::Current:
        StaticText1->setText(QStringLiteral("This version is current."));
        StaticText1->repaint();
        if (!automaticCheck)
            MsgBox::show(QStringLiteral("You are using the current version. No update is available."));
        break;
    case UpdateFeed::Decision::Unreadable:
        MsgBox::show(QStringLiteral("The update information on the website could not be read. "
                                    "Please try again later."));
        break;
    case UpdateFeed::Decision::Offer:
        askUpgrade(d.version, d.description, QStringLiteral(TW_DOWNLOAD_URL), d.free);
        return;
    case UpdateFeed::Decision::CloseSilently:
        break;
    }
    if (self)
        close();
}

void updateWindow::hp_Error(int code) {
    QApplication::beep();
    QPointer<updateWindow> self(this);
    MsgBox::show(QStringLiteral("There was a communication error ") +
                 QStringLiteral("with the website. Please try ") +
                 QStringLiteral("again later. (Code: ") + QString::number(code) +
                 QStringLiteral(")"));
    if (self)
        close();
}

void updateWindow::askUpgrade(const QString &version, const QString &description,
                              const QString &downloadAddress, bool free) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("New version available!"),
                    UpdateFeed::offerMessage(version, App::ShortVersion(), free),
                    QMessageBox::NoButton, this);
    // The description is the feed's text as typed; MsgBox::run shows every
    // text of the box as plain text.
    box.setInformativeText(description);
    QPushButton *action = box.addButton(QMessageBox::Ok);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    QPushButton *website = box.addButton(QStringLiteral("Go to Website"), QMessageBox::ActionRole);
    box.setDefaultButton(action);
    box.setEscapeButton(cancel);

    QPointer<updateWindow> self(this);
    QAbstractButton *answer = MsgBox::run(box);
    if (answer == website) {
        // The window stays, with its status text and Cancel, until closed.
        QDesktopServices::openUrl(QUrl(QStringLiteral(TW_SITE_URL)));
        return;
    }
    if (answer == action)
        QDesktopServices::openUrl(QUrl(downloadAddress));
    if (self)
        close();
}

void updateWindow::closeEvent(QCloseEvent *event) {
    // Closing ends the check at once: the request is aborted and whatever
    // it would still deliver is dropped.
    dropRequest();
    QWidget::closeEvent(event);
}

void updateWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        PushButton1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
