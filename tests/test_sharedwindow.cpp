#include "testutil.h"

#include <QWidget>

class Probe : public QWidget {
public:
    static constexpr bool VisibleWhenCreated = false;
    static inline int opened = 0;
    static inline int closed = 0;
    void Event_Open() { ++opened; }

protected:
    void closeEvent(QCloseEvent *e) override {
        ++closed;
        QWidget::closeEvent(e);
    }
};

class TestSharedWindow : public QObject {
    Q_OBJECT
private slots:
    void createdOnceAndRecreatedAfterClose() {
        Probe *a = Shared<Probe>::instance();
        QCOMPARE(Shared<Probe>::instance(), a);
        QCOMPARE(Probe::opened, 1);
        QVERIFY(!a->isVisible());
        QVERIFY(SharedWindows::all().contains(a));

        a->close();
        QCOMPARE(Probe::closed, 1);
        // Closed but not yet deleted: it no longer counts as the instance.
        QVERIFY(Shared<Probe>::existing() == nullptr);
        QVERIFY(!SharedWindows::all().contains(a));
        Probe *b = Shared<Probe>::instance();
        QVERIFY(b != a);
        QCOMPARE(Probe::opened, 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Shared<Probe>::instance(), b);
    }

    void closeAllClosesHiddenWindowsOnce() {
        Probe *p = Shared<Probe>::instance();
        QVERIFY(p->isHidden());
        const int before = Probe::closed;
        SharedWindows::closeAll();
        SharedWindows::closeAll();
        QCOMPARE(Probe::closed, before + 1);
        QVERIFY(!Shared<Probe>::exists());
    }
};

QTEST_MAIN(TestSharedWindow)
#include "test_sharedwindow.moc"
