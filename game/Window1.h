#pragma once
#include "app/sharedwindow.h"

#include <QMainWindow>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// The main game window.
class Window1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = true;
    static Window1 *instance() { return Shared<Window1>::instance(); }
    static Window1 *existing() { return Shared<Window1>::existing(); }

    Window1();

    // Controls, named as their objectName.
    QLineEdit *LetterPot = nullptr;
    QLabel *StaticText1 = nullptr;
    QLineEdit *YourWord = nullptr;
    QLabel *StaticText2 = nullptr;
    QPushButton *Enter = nullptr;
    QLabel *StaticText3 = nullptr;
    QLabel *NWords = nullptr;
    QLabel *StaticText5 = nullptr;
    QLabel *NPoints = nullptr;
    QLabel *StaticText = nullptr;
    QLabel *TPoints = nullptr;
    QPushButton *EndGame = nullptr;
    QPushButton *StartGame = nullptr;
    QPushButton *StartTurn = nullptr;
    QLabel *Banner = nullptr;
    QTimer *BannerTimer = nullptr;
    QLabel *StaticText8 = nullptr;
    QLabel *Turn = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QButtonGroup *TurnLengths = nullptr;
    QLabel *SecondsLeft = nullptr;
    QTimer *Timer1 = nullptr;
    QLabel *Banner2 = nullptr;
    QLabel *Answer = nullptr;

    // Start-up and game state.
    void Event_Open();
    void Event_Close();
    void Initialize();
    void InitializeSome();
    void GetAWord();

    // Turn engine.
    void StartGame_Action();
    void StartTurn_Action();
    void Enter_Action();
    void EndGame_Action();
    void Timer1_Action();
    void BannerTimer_Action();

    // Top-ten test at the end of a game.
    void CheckScore();

    // Preferences file.
    void getPlist();
    void savePlist();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void setDefaultButton(QPushButton *button);
    void showBanner(const QString &text);
    void chooseTurnLength();
    void startCountdown();
};
