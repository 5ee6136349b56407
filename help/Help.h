#pragma once
#include "app/sharedwindow.h"

#include <QMainWindow>
#include <functional>

class QPlainTextEdit;
class QPrinter;

// Tumblewick Help: the built-in help text in an editable text area, with the
// help window's own menu bar. Nothing typed here is kept: a new Help window
// shows the built-in text again.
class Help : public QMainWindow {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static Help *instance() { return Shared<Help>::instance(); }
    static Help *existing() { return Shared<Help>::existing(); }

    Help();
    void Event_Open();

    QPlainTextEdit *TextArea1 = nullptr;

    // The help window's own Print Help handler (its bar's FilePrintHelp item).
    bool _FilePrintHelp_Action();

    // Print Help, for both handlers: takes the time stamp, asks the print
    // dialog, prints this window's text when the user agrees, and closes the
    // window either way.
    void printHelp();

    // The seven paragraphs of the built-in help text.
    static QString builtInText();

    // The print dialog: it gets the printer to set up and returns false when
    // the user cancels. Tests replace it; an empty function restores the
    // standard dialog.
    using PrintDialog = std::function<bool(QPrinter &)>;
    static void setPrintDialog(PrintDialog dialog);
};
