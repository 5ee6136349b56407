// Reading the update feed and the version decision, without any window.
#include "update/UpdateFeed.h"

#include <QTest>

using UpdateFeed::Decision;

Q_DECLARE_METATYPE(Decision::Outcome)

static QString feed(const QString &version, const QString &description = QStringLiteral("Fixes."),
                    const QString &free = QStringLiteral("Yes")) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Tumblewick>\n"
                          "  <!-- the newest version -->\n"
                          "  <CurrentVersion>%1</CurrentVersion>\n"
                          "  <Description>%2</Description>\n"
                          "  <Free>%3</Free>\n</Tumblewick>\n")
        .arg(version, description, free);
}

class TestUpdateFeed : public QObject {
    Q_OBJECT
private slots:
    void tags() {
        QCOMPARE(UpdateFeed::startTag(QStringLiteral("Free")), QStringLiteral("<Free>"));
        QCOMPARE(UpdateFeed::endTag(QStringLiteral("Free")), QStringLiteral("</Free>"));
    }

    void returnValue_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");

        QTest::newRow("plain") << feed("1.6.0") << "CurrentVersion" << "1.6.0";
        QTest::newRow("free yes") << feed("1.6.0", "x", "Yes") << "Free" << "Yes";
        QTest::newRow("free trailing blank kept") << feed("1.6.0", "x", "Yes ") << "Free" << "Yes ";
        QTest::newRow("empty element") << feed("1.6.0", "x", "") << "Free" << "";
        QTest::newRow("first of two descriptions, blanks and line breaks kept")
            << "<Description>  first\r\n  line two </Description><Description>second</Description>"
            << "Description" << "  first\r\n  line two ";
        QTest::newRow("entity and CDATA not decoded")
            << "<Description>Tom &amp; Jerry <![CDATA[<x>]]></Description>" << "Description"
            << "Tom &amp; Jerry <![CDATA[<x>]]>";
        QTest::newRow("start tag with attributes not found")
            << "<Free value=\"Yes\">Yes</Free>" << "Free" << "";
        QTest::newRow("start tag with a blank not found") << "<Free >Yes</Free>" << "Free" << "";
        QTest::newRow("tags match with case") << "<free>Yes</free>" << "Free" << "";
        QTest::newRow("missing element") << feed("1.6.0") << "Price" << "";
        QTest::newRow("missing end tag") << "<Free>Yes" << "Free" << "";
        QTest::newRow("end tag only before the start tag")
            << "</Free><Free>Yes" << "Free" << "";
        QTest::newRow("no nesting: up to the first end tag")
            << "<Description><Description>x</Description>y</Description>" << "Description"
            << "<Description>x";
        QTest::newRow("characters beyond ASCII")
            << QStringLiteral("<Description>Grüße 🎉 ok</Description>") << "Description"
            << QStringLiteral("Grüße 🎉 ok");
        QTest::newRow("empty page") << "" << "Free" << "";
    }
    void returnValue() {
        QFETCH(QString, page);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(UpdateFeed::returnValue(page, name), expected);
    }

    // Against a running version 1.6.0.
    void decideVersion_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<Decision::Outcome>("outcome");

        QTest::newRow("1.6.0") << "1.6.0" << Decision::Current;
        QTest::newRow("missing third field is 0") << "1.6" << Decision::Current;
        QTest::newRow("fourth field ignored") << "1.6.0.7" << Decision::Current;
        QTest::newRow("fields are numbers") << "01.06.00" << Decision::Current;
        QTest::newRow("leading number of a field") << "1.6.0b2" << Decision::Current;
        QTest::newRow("field without a number is 0") << "1.6.x" << Decision::Current;
        QTest::newRow("older is offered too") << "1.5.9" << Decision::Offer;
        QTest::newRow("newer bug version") << "1.6.1" << Decision::Offer;
        QTest::newRow("newer major") << "2.0" << Decision::Offer;
        QTest::newRow("1.60 is not 1.6") << "1.60" << Decision::Offer;
        QTest::newRow("no numbers at all") << "latest" << Decision::Offer;
        QTest::newRow("empty version") << "" << Decision::Unreadable;
    }
    void decideVersion() {
        QFETCH(QString, version);
        QFETCH(Decision::Outcome, outcome);
        const Decision d = UpdateFeed::decide(feed(version), 1, 6, 0);
        QCOMPARE(d.outcome, outcome);
        QCOMPARE(d.version, version);
        QCOMPARE(UpdateFeed::isCurrent(version, 1, 6, 0), outcome == Decision::Current);
    }

    void comparisonUsesTheRunningVersion() {
        // A version text without numbers matches only 0.0.0.
        QVERIFY(UpdateFeed::isCurrent(QStringLiteral("latest"), 0, 0, 0));
        QVERIFY(UpdateFeed::isCurrent(QStringLiteral("2.10.3"), 2, 10, 3));
        QVERIFY(!UpdateFeed::isCurrent(QStringLiteral("2.10.3"), 2, 1, 3));
    }

    void decideFree_data() {
        QTest::addColumn<QString>("freeText");
        QTest::addColumn<bool>("free");
        QTest::newRow("Yes") << "Yes" << true;
        QTest::newRow("No") << "No" << false;
        QTest::newRow("Yes with a trailing blank") << "Yes " << false;
        QTest::newRow("lower case") << "yes" << false;
        QTest::newRow("empty") << "" << false;
    }
    void decideFree() {
        QFETCH(QString, freeText);
        QFETCH(bool, free);
        const Decision d = UpdateFeed::decide(feed("2.0", "News", freeText), 1, 6, 0);
        QCOMPARE(d.outcome, Decision::Offer);
        QCOMPARE(d.free, free);
        QCOMPARE(d.description, QStringLiteral("News"));
    }

    void decidePagesWithoutAVersion_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<Decision::Outcome>("outcome");
        QTest::newRow("empty page") << "" << Decision::CloseSilently;
        QTest::newRow("server error page")
            << "<html><body><h1>Not Found</h1></body></html>" << Decision::Unreadable;
        QTest::newRow("description and free only")
            << "<Description>x</Description><Free>Yes</Free>" << Decision::Unreadable;
        QTest::newRow("version tag with attributes")
            << "<CurrentVersion v=\"2\">2.0</CurrentVersion>" << Decision::Unreadable;
        QTest::newRow("version without end tag") << "<CurrentVersion>2.0" << Decision::Unreadable;
        QTest::newRow("only a line break") << "\n" << Decision::Unreadable;
    }
    void decidePagesWithoutAVersion() {
        QFETCH(QString, page);
        QFETCH(Decision::Outcome, outcome);
        QCOMPARE(UpdateFeed::decide(page, 1, 6, 0).outcome, outcome);
    }

    void offerMessage() {
        QCOMPARE(UpdateFeed::offerMessage(QStringLiteral("1.5.9"), QStringLiteral("1.6.0"), true),
                 QStringLiteral("Version 1.5.9 is now available. (You are using version 1.6.0.) "
                                "This is a free upgrade. Would you like to automatically download "
                                "this update (using your web browser)?"));
        QCOMPARE(UpdateFeed::offerMessage(QStringLiteral("2.0"), QStringLiteral("1.6.0"), false),
                 QStringLiteral("Version 2.0 is now available. (You are using version 1.6.0.) "
                                "This is a paid upgrade. Would you like to automatically download "
                                "the trial version (using your web browser)?"));
    }
};

QTEST_APPLESS_MAIN(TestUpdateFeed)
#include "test_updatefeed.moc"
