#pragma once

class QMenuBar;
class QWidget;

// The two menu bars: MenuBar1, the main bar of the game window, and
// MenuBar2, the reduced bar of the help window.
//
// Every menu and item is a QMenu / QAction whose objectName is the item's
// name ("FileMenu", "FilePrintHelp", "EditUndo", ...), so a window finds its
// items with bar->findChild<QAction *>("FilePrintHelp").
//
// How the commands reach their handlers:
//  - The application commands of MenuBar1 (everything but the Edit items)
//    call App's handlers. Their shortcuts (Ctrl+P, Ctrl+Q) have application
//    reach, so they work whatever window is in front, including the windows
//    that have no bar of their own (Maintenance, GameScores, Congratulations,
//    AboutBox, selfTest, updateWindow). Nothing needs to be done in those
//    windows.
//  - The Edit items of either bar act on the text field (QLineEdit,
//    QPlainTextEdit or QTextEdit) that has the focus in the bar's own window,
//    and are enabled only while that field can carry the command out.
//  - Quit, in either bar, closes the main window, which saves the
//    preferences and quits the program.
//
// A window with a bar of its own (the help window):
//    QMenuBar *bar = MenuBars::createMenuBar2(this);
//    setMenuBar(bar);                      // QMainWindow; for a plain QWidget
//                                          // use layout()->setMenuBar(bar)
//    connect(bar->findChild<QAction *>("FilePrintHelp"), &QAction::triggered,
//            this, &Help::printHelp);
//  createMenuBar2 leaves FilePrintHelp unconnected for that purpose; Quit and
//  the Edit items are wired already. While such a window is the active
//  window, MenuBar1's application-wide shortcuts step back to the main
//  window's scope, so Ctrl+P and Ctrl+Q go to the window's own items (two
//  matching shortcuts would be ambiguous, and Qt would fire neither).
namespace MenuBars {

QMenuBar *createMenuBar1(QWidget *window);
QMenuBar *createMenuBar2(QWidget *window);

// True when `window` carries a bar of its own made by createMenuBar2.
bool hasOwnBar(const QWidget *window);

} // namespace MenuBars
