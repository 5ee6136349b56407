#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>

// Each window class has one shared instance: created on first use (which runs
// its Open handler), destroyed when it closes; the next use creates a new one.
namespace SharedWindows {

// Every shared window that exists now, hidden ones included.
QList<QWidget *> all();
void registerWindow(QWidget *w);

// Makes a window visible and brings it to the front.
void showWindow(QWidget *w);

// Closes every shared window except `except`, hidden ones too, so their Close
// handlers run (the dictionary is saved by the Maintenance window's).
void closeAll(QWidget *except = nullptr);

} // namespace SharedWindows

// W provides: a default constructor, void Event_Open(), and
// static constexpr bool VisibleWhenCreated.
template <class W> class Shared {
public:
    static W *instance() {
        if (!exists()) {
            ptr = new W();
            ptr->setAttribute(Qt::WA_DeleteOnClose);
            SharedWindows::registerWindow(ptr);
            ptr->Event_Open();
            if (W::VisibleWhenCreated && ptr)
                SharedWindows::showWindow(ptr);
        }
        return ptr;
    }
    // The instance when one exists, without creating it.
    static W *existing() { return exists() ? ptr.data() : nullptr; }
    // A closed window gives up WA_DeleteOnClose and waits for its deferred
    // deletion; it no longer counts as the instance.
    static bool exists() { return ptr && ptr->testAttribute(Qt::WA_DeleteOnClose); }

private:
    static inline QPointer<W> ptr;
};
