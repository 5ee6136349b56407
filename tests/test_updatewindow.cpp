// The Self Test and Update windows against a real HTTP server on 127.0.0.1.
#include "testutil.h"

#include "app/App.h"
#include "update/selfTest.h"
#include "update/updateWindow.h"

#include <QDesktopServices>
#include <QLabel>
#include <QNetworkReply>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <memory>

static constexpr int Timeout = 10000;

// Answers every request with the same canned bytes, or holds it unanswered
// while `response` is empty.
class FeedServer : public QObject {
    Q_OBJECT
public:
    QByteArray response;
    bool closeAfterResponse = true;
    QList<QPointer<QTcpSocket>> sockets;
    QList<QByteArray> requests;
    int disconnects = 0;

    FeedServer() {
        connect(&m_server, &QTcpServer::newConnection, this, &FeedServer::accept);
        m_server.listen(QHostAddress::LocalHost);
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/Updates/tumblewick.xml")
                        .arg(m_server.serverPort()));
    }
    void respond(QTcpSocket *s, const QByteArray &bytes) {
        s->write(bytes);
        if (closeAfterResponse)
            s->disconnectFromHost();
    }

    static QByteArray http(int status, const QByteArray &body) {
        return "HTTP/1.1 " + QByteArray::number(status) +
               " Status\r\nContent-Type: text/xml\r\nContent-Length: " +
               QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }

private:
    void accept() {
        while (QTcpSocket *s = m_server.nextPendingConnection()) {
            sockets.append(s);
            connect(s, &QTcpSocket::disconnected, this, [this] { ++disconnects; });
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                QByteArray request = s->property("request").toByteArray() + s->readAll();
                s->setProperty("request", request);
                if (!request.contains("\r\n\r\n") || s->property("answered").toBool())
                    return;
                s->setProperty("answered", true);
                requests.append(request);
                if (!response.isEmpty())
                    respond(s, response);
            });
        }
    }
    QTcpServer m_server;
};

// Records the addresses handed to the browser.
class UrlLog : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

static QByteArray feed(const QString &version, const QString &description = QStringLiteral("Fixes."),
                       const QString &free = QStringLiteral("Yes")) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Tumblewick>\n"
                          "<CurrentVersion>%1</CurrentVersion>\n"
                          "<Description>%2</Description>\n<Free>%3</Free>\n</Tumblewick>\n")
        .arg(version, description, free)
        .toUtf8();
}

static QString runningVersion() {
    return QStringLiteral("%1.%2.%3").arg(App::MajorVersion).arg(App::MinorVersion).arg(App::BugVersion);
}

static QString errorText(int code) {
    return QStringLiteral("There was a communication error with the website. "
                          "Please try again later. (Code: %1)")
        .arg(code);
}

static const QString NoVersionText = QStringLiteral(
    "The update information on the website could not be read. Please try again later.");

class TestUpdateWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestUtil::ConfigDir> config;
    std::unique_ptr<FeedServer> server;
    UrlLog urls;

    // Presses "Check for Updates" in a new Self Test window; returns the
    // update window it opened.
    updateWindow *startCheck() {
        selfTest *s = selfTest::instance();
        s->PushButton1->click();
        return updateWindow::existing();
    }

private slots:
    void init() {
        config = std::make_unique<TestUtil::ConfigDir>();
        server = std::make_unique<FeedServer>();
        updateWindow::setFeedUrl(server->url());
        urls.opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &urls, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &urls, "open");
    }
    void cleanup() {
        TestUtil::closeAllWindows();
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        updateWindow::setFeedUrl(QUrl());
        server.reset();
        config.reset();
    }

    void feedAddressIsOnAReservedHost() {
        updateWindow::setFeedUrl(QUrl());
        const QUrl url = updateWindow::feedUrl();
        QCOMPARE(url.path(), QStringLiteral("/Updates/tumblewick.xml"));
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QVERIFY2(url.host().endsWith(QLatin1String(".example")) ||
                     url.host() == QLatin1String("example.com") ||
                     url.host().endsWith(QLatin1String(".example.com")),
                 qPrintable(url.host()));
    }

    void currentVersion() {
        server->response = FeedServer::http(200, feed(runningVersion()));
        QString labelAtBox;
        bool barVisibleAtBox = true;
        QStringList texts;
        MsgBox::setHook([&](QMessageBox &box) -> QAbstractButton * {
            texts.append(box.text());
            if (updateWindow *w = updateWindow::existing()) {
                labelAtBox = w->StaticText1->text();
                barVisibleAtBox = w->ProgressBar1->isVisible();
            }
            return box.button(QMessageBox::Ok);
        });

        selfTest *s = selfTest::instance();
        QCOMPARE(s->windowTitle(), QStringLiteral("Self Test"));
        QCOMPARE(s->StaticText2->text(), App::LongVersion());
        QCOMPARE(s->PushButton1->text(), QStringLiteral("Check for Updates"));
        QVERIFY(s->PushButton1->isDefault());
        // Return presses "Check for Updates".
        QTest::keyClick(s, Qt::Key_Return);

        updateWindow *w = updateWindow::existing();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Update"));
        QCOMPARE(w->windowModality(), Qt::ApplicationModal);
        QCOMPARE(w->StaticText1->text(), QStringLiteral("Checking for updates..."));
        QCOMPARE(w->ProgressBar1->minimum(), 0);
        QCOMPARE(w->ProgressBar1->maximum(), 0);
        QVERIFY(w->PushButton1->isDefault());
        // The self test window is gone once the update window shows.
        QVERIFY(!selfTest::existing());

        QTRY_VERIFY_WITH_TIMEOUT(!updateWindow::existing(), Timeout);
        MsgBox::setHook(nullptr);
        QCOMPARE(texts, QStringList{QStringLiteral(
                            "You are using the current version. No update is available.")});
        QCOMPARE(labelAtBox, QStringLiteral("This version is current."));
        QVERIFY(!barVisibleAtBox);
        QCOMPARE(server->requests.size(), 1);
        QVERIFY(server->requests[0].startsWith("GET /Updates/tumblewick.xml HTTP/1.1\r\n"));
        QVERIFY(!selfTest::existing());
        QVERIFY(urls.opened.isEmpty());
    }

    void automaticCheckLeavesOutTheCurrentBox() {
        server->response = FeedServer::http(200, feed(runningVersion()));
        TestUtil::MessageBoxes boxes;
        QPointer<updateWindow> w = startCheck();
        w->automaticCheck = true;
        QTRY_VERIFY_WITH_TIMEOUT(!updateWindow::existing(), Timeout);
        QVERIFY(boxes.seen.isEmpty());
    }

    void offer_data() {
        QTest::addColumn<QString>("freeText");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("windowStays");

        const QString download = QStringLiteral(TW_DOWNLOAD_URL);
        const QString site = QStringLiteral(TW_SITE_URL);
        QTest::newRow("free, OK downloads") << "Yes" << "ok" << download << false;
        QTest::newRow("paid, OK downloads") << "No" << "ok" << download << false;
        QTest::newRow("free, Cancel") << "Yes" << "cancel" << QString() << false;
        QTest::newRow("paid, closed without a button") << "" << "none" << QString() << false;
        QTest::newRow("free, Go to Website") << "Yes" << "website" << site << true;
        QTest::newRow("paid, Go to Website") << "Yes " << "website" << site << true;
    }
    void offer() {
        QFETCH(QString, freeText);
        QFETCH(QString, answer);
        QFETCH(QString, opened);
        QFETCH(bool, windowStays);
        const bool free = freeText == QLatin1String("Yes");

        // The feed names a download page of its own: it is never used.
        const QString description = QStringLiteral("New words.\n<Download>http://elsewhere.example/</Download>");
        server->response = FeedServer::http(200, feed(QStringLiteral("99.0.0"), description, freeText));
        TestUtil::MessageBoxes boxes;
        if (answer == QLatin1String("ok"))
            boxes.answer = QMessageBox::Ok;
        else if (answer == QLatin1String("cancel"))
            boxes.answer = QMessageBox::Cancel;
        else if (answer == QLatin1String("none"))
            boxes.answerCaption = QStringLiteral("(no such button)"); // closed: no button
        else
            boxes.answerCaption = QStringLiteral("Go to Website");

        QPointer<updateWindow> w = startCheck();
        QVERIFY(w);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 1, Timeout);

        const auto &box = boxes.seen.first();
        QCOMPARE(box.title, QStringLiteral("New version available!"));
        QCOMPARE(box.text, QStringLiteral("Version 99.0.0 is now available. (You are using version ") +
                               App::ShortVersion() + QStringLiteral(".) ") +
                               (free ? QStringLiteral("This is a free upgrade. Would you like to "
                                                      "automatically download this update (using "
                                                      "your web browser)?")
                                     : QStringLiteral("This is a paid upgrade. Would you like to "
                                                      "automatically download the trial version "
                                                      "(using your web browser)?")));
        QCOMPARE(box.informative, description);
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons.size(), 3);
        QVERIFY(box.buttons.contains(QStringLiteral("Go to Website")));
        QVERIFY(!box.defaultButton.isEmpty());
        QVERIFY(box.defaultButton != QLatin1String("Go to Website"));

        QCOMPARE(urls.opened, opened.isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl(opened)});
        if (windowStays) {
            QCOMPARE(updateWindow::existing(), w.data());
            QVERIFY(w->isVisible());
            QVERIFY(!w->ProgressBar1->isVisible());
            QCOMPARE(w->StaticText1->text(), QStringLiteral("Checking for updates..."));
            w->PushButton1->click();
        }
        QVERIFY(!updateWindow::existing());
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY(!selfTest::existing());
    }

    void markupInTheFeedIsShownAsText() {
        const QString description =
            QStringLiteral("<b>Bold</b> &amp; <a href=\"http://x.example/\">link</a>\n  indented ");
        server->response = FeedServer::http(200, feed(QStringLiteral("2.0<i>beta</i>"), description));
        QString text, informative;
        QList<Qt::TextFormat> formats;
        MsgBox::setHook([&](QMessageBox &box) -> QAbstractButton * {
            text = box.text();
            informative = box.informativeText();
            formats.append(box.textFormat());
            if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
                formats.append(label->textFormat());
            return box.button(QMessageBox::Cancel);
        });
        startCheck();
        QTRY_VERIFY_WITH_TIMEOUT(!updateWindow::existing(), Timeout);
        MsgBox::setHook(nullptr);
        QVERIFY(text.startsWith(QStringLiteral("Version 2.0<i>beta</i> is now available. ")));
        QCOMPARE(informative, description);
        QCOMPARE(formats, (QList<Qt::TextFormat>{Qt::PlainText, Qt::PlainText}));
    }

    void emptyPageClosesSilently() {
        server->response = FeedServer::http(200, QByteArray());
        TestUtil::MessageBoxes boxes;
        QPointer<updateWindow> w = startCheck();
        QVERIFY(w);
        QTRY_VERIFY_WITH_TIMEOUT(!updateWindow::existing(), Timeout);
        QVERIFY(boxes.seen.isEmpty());
        QVERIFY(urls.opened.isEmpty());
    }

    void pageWithoutAVersionIsNoOffer_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("no CurrentVersion")
            << QByteArray("<Tumblewick><Description>x</Description><Free>Yes</Free></Tumblewick>");
        QTest::newRow("empty CurrentVersion") << feed(QString());
        QTest::newRow("a web page") << QByteArray("<html><body>Welcome</body></html>");
    }
    void pageWithoutAVersionIsNoOffer() {
        QFETCH(QByteArray, body);
        server->response = FeedServer::http(200, body);
        TestUtil::MessageBoxes boxes;
        startCheck();
        QTRY_VERIFY_WITH_TIMEOUT(!updateWindow::existing(), Timeout);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].text, NoVersionText);
        QVERIFY(urls.opened.isEmpty());
    }

    void communicationErrors_data() {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<int>("code");
        QTest::newRow("404 error page")
            << FeedServer::http(404, "<html><body>Not Found</body></html>") << 404;
        // The status decides, not what the page holds.
        QTest::newRow("500 with a feed") << FeedServer::http(500, feed(QStringLiteral("2.0"))) << 500;
        QTest::newRow("unfollowed 304") << FeedServer::http(304, QByteArray()) << 304;
    }
    void communicationErrors() {
        QFETCH(QByteArray, response);
        QFETCH(int, code);
        server->response = response;
        TestUtil::MessageBoxes boxes;
        startCheck();
        QTRY_VERIFY_WITH_TIMEOUT(!updateWindow::existing(), Timeout);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].text, errorText(code));
        QVERIFY(urls.opened.isEmpty());
        QVERIFY(!selfTest::existing());
    }

    void connectionRefused() {
        // A port that was just free: nothing listens there now.
        quint16 port;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            port = probe.serverPort();
        }
        updateWindow::setFeedUrl(
            QUrl(QStringLiteral("http://127.0.0.1:%1/Updates/tumblewick.xml").arg(port)));
        TestUtil::MessageBoxes boxes;
        startCheck();
        QTRY_VERIFY_WITH_TIMEOUT(!updateWindow::existing(), Timeout);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].text, errorText(QNetworkReply::ConnectionRefusedError));
    }

    void bodyOverTheCap_data() {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<bool>("close");
        const qint64 cap = updateWindow::MaxFeedBytes;
        QTest::newRow("streamed without a length")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nConnection: close\r\n\r\n") +
                   feed(QStringLiteral("2.0")) + QByteArray(cap, ' ')
            << true;
        // Refused from the header alone, while the server still holds the line.
        QTest::newRow("declared too long")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: ") + QByteArray::number(cap + 1) +
                   "\r\n\r\n<CurrentVersion>"
            << false;
    }
    void bodyOverTheCap() {
        QFETCH(QByteArray, response);
        QFETCH(bool, close);
        server->response = response;
        server->closeAfterResponse = close;
        TestUtil::MessageBoxes boxes;
        startCheck();
        QTRY_VERIFY_WITH_TIMEOUT(!updateWindow::existing(), Timeout);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].text, errorText(QNetworkReply::UnknownContentError));
        QVERIFY(urls.opened.isEmpty());
    }

    void bodyAtTheCapIsRead() {
        QByteArray body = feed(runningVersion());
        body += QByteArray(updateWindow::MaxFeedBytes - body.size(), '\n');
        QCOMPARE(body.size(), updateWindow::MaxFeedBytes);
        server->response = FeedServer::http(200, body);
        TestUtil::MessageBoxes boxes;
        startCheck();
        QTRY_VERIFY_WITH_TIMEOUT(!updateWindow::existing(), Timeout);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].text,
                 QStringLiteral("You are using the current version. No update is available."));
    }

    void cancelEndsTheRequest_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << "button";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("Return") << "return";
        QTest::newRow("close box") << "close";
    }
    void cancelEndsTheRequest() {
        QFETCH(QString, how);
        TestUtil::MessageBoxes boxes;
        QPointer<updateWindow> w = startCheck();
        QVERIFY(w);
        QTRY_COMPARE_WITH_TIMEOUT(server->requests.size(), 1, Timeout);
        QPointer<QNetworkReply> reply = w->hp->findChild<QNetworkReply *>();
        QVERIFY(reply && reply->isRunning());
        if (how == QLatin1String("button"))
            w->PushButton1->click();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(w, Qt::Key_Escape);
        else if (how == QLatin1String("return"))
            QTest::keyClick(w, Qt::Key_Return);
        else
            w->close();
        QVERIFY(!updateWindow::existing());
        // Closing aborted the request at once, and the server sees the line drop.
        QVERIFY(!reply || reply->error() == QNetworkReply::OperationCanceledError);
        QTRY_COMPARE_WITH_TIMEOUT(server->disconnects, 1, Timeout);
        QVERIFY(boxes.seen.isEmpty());
    }

    void lateReplyIsDroppedAndANewCheckStartsAfresh() {
        TestUtil::MessageBoxes boxes;
        QPointer<updateWindow> first = startCheck();
        QTRY_COMPARE_WITH_TIMEOUT(server->requests.size(), 1, Timeout);
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        // The answer comes after the window has gone.
        QTcpSocket *held = server->sockets.value(0);
        QVERIFY(held);
        server->respond(held, FeedServer::http(200, feed(QStringLiteral("2.0"))));
        QTRY_COMPARE_WITH_TIMEOUT(server->disconnects, 1, Timeout);
        QCoreApplication::processEvents();
        QVERIFY(boxes.seen.isEmpty());

        // A second check is a new window with a new request.
        server->response = FeedServer::http(200, feed(runningVersion()));
        updateWindow *second = startCheck();
        QVERIFY(second);
        QCOMPARE(second->ProgressBar1->maximum(), 0);
        QVERIFY(second->ProgressBar1->isVisible());
        QCOMPARE(second->StaticText1->text(), QStringLiteral("Checking for updates..."));
        QTRY_VERIFY_WITH_TIMEOUT(!updateWindow::existing(), Timeout);
        QCOMPARE(server->requests.size(), 2);
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.seen[0].text,
                 QStringLiteral("You are using the current version. No update is available."));
    }

    void errorCodeIsShownAsItIs() {
        // hp_Error reports any code it is given, a negative one with its sign.
        TestUtil::MessageBoxes boxes;
        server->response.clear();
        QPointer<updateWindow> w = startCheck();
        w->hp_Error(103);
        QVERIFY(!updateWindow::existing());
        QPointer<updateWindow> w2 = startCheck();
        w2->hp_Error(-1);
        QCOMPARE(boxes.seen.size(), 2);
        QCOMPARE(boxes.seen[0].text, errorText(103));
        QCOMPARE(boxes.seen[1].text, errorText(-1));
    }
};

QTEST_MAIN(TestUpdateWindow)
#include "test_updatewindow.moc"
