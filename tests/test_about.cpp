#include "testutil.h"

#include "app/App.h"
#include "help/AboutBox.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

// Stands in for the system's browser and mail program.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
    UrlRecorder() {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlRecorder() override {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { TestUtil::closeAllWindows(); }

    void windowAndVersion() {
        TestUtil::ConfigDir config;
        AboutBox *box = AboutBox::instance();
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("About..."));
        QCOMPARE(box->size(), QSize(264, 295));
        QVERIFY(!(box->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(box->StaticText1->text(), QStringLiteral("Tumblewick"));
        QCOMPARE(box->StaticText3->text(), QStringLiteral("Version:"));
        QCOMPARE(box->StaticText4->text(), App::LongVersion());
        QVERIFY(box->StaticText4->text() != QStringLiteral("1.6.0 Intel"));
        QVERIFY(box->StaticText4->text().startsWith(App::ShortVersion() + u' '));
        QCOMPARE(box->StaticText2->text().split(u'\n').size(), 5);
        QCOMPARE(box->StaticText2->text().split(u'\n').at(0), QStringLiteral("Developed by"));
        QCOMPARE(box->StaticText2->text().split(u'\n').at(3), QStringLiteral("Sr. Beta Tester"));
        QCOMPARE(box->PushButton1->text(), QStringLiteral("Email Author"));
        QCOMPARE(box->PushButton2->text(), QStringLiteral("Visit Web Site"));
        QCOMPARE(box->Kagi->text(), QStringLiteral("Support Larkspire"));
        QVERIFY(box->Kagi->isDefault());
        QCOMPARE(box->Kagi->geometry(), QRect(72, 254, 120, 21));
        // The About command on an open box brings the same box to the front.
        QCOMPARE(AboutBox::instance(), box);
    }

    // Each label's text fits its box: nothing is cut off, the version included.
    void labelsFit() {
        TestUtil::ConfigDir config;
        AboutBox *box = AboutBox::instance();
        for (QLabel *l : box->findChildren<QLabel *>()) {
            const QFontMetrics m(l->font());
            const QRect need = m.boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::AlignTop,
                                              l->text());
            QVERIFY2(need.width() <= l->width() && need.height() <= l->height(),
                     qPrintable(l->objectName() + QStringLiteral(": ") + QString::number(need.width()) + u'x' + QString::number(need.height())));
        }
    }

    void buttonsOpenTheirAddresses_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("address");
        QTest::newRow("Email Author") << "PushButton1" << TW_AUTHOR_MAIL;
        QTest::newRow("Visit Web Site") << "PushButton2" << TW_SITE_URL;
        QTest::newRow("Support Larkspire") << "Kagi" << TW_STORE_URL;
    }

    void buttonsOpenTheirAddresses() {
        QFETCH(QString, button);
        QFETCH(QString, address);
        TestUtil::ConfigDir config;
        UrlRecorder urls;
        AboutBox *box = AboutBox::instance();
        auto *b = box->findChild<QPushButton *>(button);
        QVERIFY(b);
        b->click();
        b->click();
        // Pressed twice, opened twice; the box stays open throughout.
        QCOMPARE(urls.opened, QList<QUrl>({QUrl(address), QUrl(address)}));
        QCOMPARE(urls.opened.first().toString(), address);
        QVERIFY(box->isVisible());
        QCOMPARE(AboutBox::existing(), box);
    }

    // The addresses stay on a reserved domain until real ones exist, and
    // have the form each button expects.
    void addressesAreReservedAndWellFormed() {
        for (const char *a : {TW_AUTHOR_MAIL, TW_SITE_URL, TW_STORE_URL}) {
            const QUrl url(QString::fromLatin1(a));
            QVERIFY2(url.isValid(), a);
            const QString host = url.scheme() == u"mailto" ? url.path().section(u'@', 1) : url.host();
            QVERIFY2(host.endsWith(u".example") || host.endsWith(u"example.com"), a);
        }
        QCOMPARE(QUrl(QStringLiteral(TW_AUTHOR_MAIL)).scheme(), QStringLiteral("mailto"));
        const QUrl site(QStringLiteral(TW_SITE_URL));
        QVERIFY(site.scheme().startsWith(u"http"));
        QVERIFY(site.path().isEmpty() || site.path() == u"/");
        QVERIFY(!site.hasQuery());
        const QUrl store(QStringLiteral(TW_STORE_URL));
        QVERIFY(store.scheme().startsWith(u"http"));
        QVERIFY(store.query().endsWith(u"&lang=en"));
        QVERIFY(store.query().size() > int(qstrlen("&lang=en")));
    }

    void returnPressesSupport() {
        TestUtil::ConfigDir config;
        UrlRecorder urls;
        AboutBox *box = AboutBox::instance();
        QTest::keyClick(box, Qt::Key_Return);
        // Also with the focus on another button.
        box->PushButton1->setFocus();
        QTest::keyClick(box->PushButton1, Qt::Key_Return);
        QCOMPARE(urls.opened, QList<QUrl>({QUrl(QStringLiteral(TW_STORE_URL)),
                                           QUrl(QStringLiteral(TW_STORE_URL))}));
        QCOMPARE(AboutBox::existing(), box);
    }

    void closingDestroysAndTheNextIsNew() {
        TestUtil::ConfigDir config;
        QPointer<AboutBox> first = AboutBox::instance();
        first->StaticText4->setText(QStringLiteral("changed"));
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(AboutBox::instance()->StaticText4->text(), App::LongVersion());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
