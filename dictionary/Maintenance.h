#pragma once
#include "app/sharedwindow.h"
#include "dictionary/WordList.h"

#include <QWidget>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QTableView;
class QPushButton;

// The word list maintenance window. Its list Wordwell is the dictionary the
// game draws from; it is loaded when the window is created and saved when the
// window closes.
class Maintenance : public QWidget {
    Q_OBJECT
public:
    static constexpr bool VisibleWhenCreated = false;
    static Maintenance *instance() { return Shared<Maintenance>::instance(); }
    static Maintenance *existing() { return Shared<Maintenance>::existing(); }

    Maintenance();

    WordList &words() { return *m_words; }

    // Controls, in tab order, named as their objectName. The default list is
    // plain data (DefaultList), and Fixit has no button of its own: the
    // user never saw either.
    QTableView *Wordwell = nullptr;
    QLabel *StaticText1 = nullptr;
    QLabel *NumWords = nullptr;
    QPushButton *DeleteWord = nullptr;
    QPushButton *AddWord = nullptr;
    QLineEdit *NewWord = nullptr;
    QPushButton *AddFile = nullptr;
    QFrame *Separator1 = nullptr;
    QPushButton *SaveFile = nullptr;
    QPushButton *ClearTable = nullptr;
    QPushButton *SortTable = nullptr;
    QPushButton *UseDefaultList = nullptr;

    void Event_Open();
    void Event_Close();
    void getPlistDictionary();
    void savePlistDictionary();

    // A click on a row makes Delete Selected Word the default button;
    // typing makes Add Word the default. Returns false: the list goes on to
    // select the row.
    bool Wordwell_CellClick(int row, int column, int x, int y);
    void NewWord_TextChange();

    void AddWord_Action();
    void DeleteWord_Action();
    void ClearTable_Action();
    void SortTable_Action();
    void UseDefaultList_Action();
    void AddFile_Action();
    void getNewFileData();
    void SaveFile_Action();
    void saveFileData();
    // Fixit: removes every word that holds an apostrophe.
    void PushButton1_Action();

    // The file dialogs of Load File and Save File. A chooser returns the
    // chosen path, or an empty string when the user cancels. Tests set their
    // own; an empty function restores the real dialogs.
    using FileChooser =
        std::function<QString(QWidget *parent, const QString &title, const QString &folder)>;
    static void setOpenFileChooser(FileChooser chooser);
    static void setSaveFileChooser(FileChooser chooser);
    // Where both dialogs start: "Documents" at the top of the startup
    // volume, else the user's documents folder.
    static QString dialogStartFolder();

    // The counter's two renderings: NoWords grouped ("29,394"), and the row
    // count plain ("29394").
    void showCountGrouped();
    void showCountPlain();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    WordList *m_words;
    // Set when the dictionary file exists but could not be read: closing the
    // window then leaves that file alone unless the list has been changed.
    bool m_keepUnreadableFile = false;
    // Size and modification time of the file the rows were last loaded from,
    // while the rows are unchanged since: loading the same file again (as
    // start-up does) then has nothing to do.
    QString m_loadedStamp;
};
