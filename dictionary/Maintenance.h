#pragma once
#include "app/sharedwindow.h"
#include "dictionary/WordList.h"

#include <QWidget>

class QLabel;
class QListView;
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
    QListView *Wordwell = nullptr;
    QLabel *StaticText1 = nullptr;
    QLabel *NumWords = nullptr;
    QPushButton *UseDefaultList = nullptr;

    void Event_Open();
    void Event_Close();
    void getPlistDictionary();
    void savePlistDictionary();
    void UseDefaultList_Action();

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
