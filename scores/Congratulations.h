#pragma once
#include "app/sharedwindow.h"

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// Congratulations! Asks for the player's name after a game whose total
// entered the top ten, and files name and total in the High Scores table.
// Enter hides the window (it is not closed), so the next qualifying game of
// the run finds the name typed last still in the field.
class Congratulations : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static Congratulations *instance() { return Shared<Congratulations>::instance(); }
    static Congratulations *existing() { return Shared<Congratulations>::existing(); }

    Congratulations();
    void Event_Open();

    // Shows the window for a game whose total entered the top ten; the total
    // filed by Enter is this one, whatever happens to TotalPoints meanwhile.
    static void showNewHighScore(qint32 total);

    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;
    QLineEdit *NameField = nullptr;
    QPushButton *Enter = nullptr;

    void NameField_TextChange();
    void Enter_Action();

private:
    // The total of the game waiting to be filed; empty once it is filed.
    std::optional<qint32> m_total;
};
