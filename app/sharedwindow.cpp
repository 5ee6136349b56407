#include "app/sharedwindow.h"

namespace SharedWindows {

static QList<QPointer<QWidget>> &registry() {
    static QList<QPointer<QWidget>> list;
    return list;
}

QList<QWidget *> all() {
    QList<QWidget *> out;
    for (const QPointer<QWidget> &p : registry())
        if (p && p->testAttribute(Qt::WA_DeleteOnClose))
            out.append(p);
    return out;
}

void registerWindow(QWidget *w) {
    registry().removeIf([](const QPointer<QWidget> &p) { return p.isNull(); });
    registry().append(w);
}

void showWindow(QWidget *w) {
    w->show();
    w->raise();
    w->activateWindow();
}

void closeAll(QWidget *except) {
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : all())
        windows.append(w);
    // A Close handler may itself close other windows; skip those already closed.
    for (const QPointer<QWidget> &w : windows)
        if (w && w != except && w->testAttribute(Qt::WA_DeleteOnClose))
            w->close();
}

} // namespace SharedWindows
