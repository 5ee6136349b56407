#pragma once
#include <QMessageBox>
#include <QString>
#include <functional>

// Every message box of the program goes through here, so that texts are
// always shown as plain text and tests can answer a box without showing it.
namespace MsgBox {

// Results, as the classic message box numbers them.
enum Result { OK = 1, Cancel = 2 };

// A message with a single OK button and no title.
void show(const QString &text);

// The clearing confirmation: caution icon, OK and Cancel, Cancel the default
// and escape button. Returns OK (1) or Cancel (2).
int confirm(const QString &text);

// Runs a prepared box modally (or through the test hook) and returns the
// button that was clicked, or nullptr when it was closed without one.
QAbstractButton *run(QMessageBox &box);

// A test hook: when set, no box is shown; the hook receives the box with its
// text, icon and buttons, and returns the button to click (nullptr = closed).
using Hook = std::function<QAbstractButton *(QMessageBox &)>;
void setHook(Hook hook);

} // namespace MsgBox
