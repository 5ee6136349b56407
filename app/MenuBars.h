#pragma once

class QMenuBar;
class QWidget;

// The two menu bars: MenuBar1, the main bar of the game window, and
// MenuBar2, the reduced bar of the help window.
namespace MenuBars {

QMenuBar *createMenuBar1(QWidget *window);
QMenuBar *createMenuBar2(QWidget *window);

} // namespace MenuBars
