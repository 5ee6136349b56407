// The word list maintenance window: its controls, every button, the word
// counter, the default button, and loading and saving word files.
#include "testutil.h"

#include "app/textfile.h"
#include "dictionary/DefaultList.h"
#include "dictionary/FileTypes1.h"
#include "dictionary/Maintenance.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

using TestUtil::readBytes;
using TestUtil::writeBytes;

static std::vector<std::string> rowsOf(Maintenance *m) { return m->words().rows(); }

static QStringList wordsOf(Maintenance *m) {
    QStringList out;
    for (int i = 0; i < m->words().count(); ++i)
        out << m->words().wordAt(i);
    return out;
}

static std::vector<std::string> bytesList(const QStringList &words) {
    std::vector<std::string> rows;
    for (const QString &w : words)
        rows.push_back(w.toStdString());
    return rows;
}

// Counts the file dialogs shown and answers them with a fixed path.
struct Dialogs {
    QString openAnswer, saveAnswer;
    int opened = 0, saved = 0;
    QString openTitle, openFolder, saveTitle = QStringLiteral("(not shown)"), saveFolder;

    Dialogs() {
        Maintenance::setOpenFileChooser([this](QWidget *, const QString &title, const QString &folder) {
            ++opened;
            openTitle = title;
            openFolder = folder;
            return openAnswer;
        });
        Maintenance::setSaveFileChooser([this](QWidget *, const QString &title, const QString &folder) {
            ++saved;
            saveTitle = title;
            saveFolder = folder;
            return saveAnswer;
        });
    }
    ~Dialogs() {
        Maintenance::setOpenFileChooser(nullptr);
        Maintenance::setSaveFileChooser(nullptr);
    }
};

class TestMaintenance : public QObject {
    Q_OBJECT

    std::unique_ptr<TestUtil::ConfigDir> m_config;
    std::unique_ptr<TestUtil::MessageBoxes> m_boxes;
    std::unique_ptr<Dialogs> m_dialogs;
    std::unique_ptr<QTemporaryDir> m_filesDir;

    // A window whose dictionary holds exactly `rows`.
    Maintenance *windowWith(const std::vector<std::string> &rows) {
        Maintenance *m = Maintenance::instance();
        m->words().replaceAll(rows);
        return m;
    }
    QString filePath(const QString &name) const { return m_filesDir->filePath(name); }
    QString filesPath() const { return m_filesDir->path(); }

private slots:
    void init() {
        m_config = std::make_unique<TestUtil::ConfigDir>();
        m_boxes = std::make_unique<TestUtil::MessageBoxes>();
        m_dialogs = std::make_unique<Dialogs>();
        m_filesDir = std::make_unique<QTemporaryDir>();
        Module1::NoWords = 0;
    }
    void cleanup() {
        TestUtil::closeAllWindows();
        m_dialogs.reset();
        m_filesDir.reset();
        m_boxes.reset();
        m_config.reset();
    }

    void windowAndControls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Wordwell") << "Wordwell" << "" << QRect(18, 16, 262, 178) << false;
        QTest::newRow("StaticText1") << "StaticText1" << "Number of words:" << QRect(55, 205, 122, 20) << true;
        QTest::newRow("NumWords") << "NumWords" << "29,394" << QRect(189, 205, 65, 20) << true;
        QTest::newRow("DeleteWord") << "DeleteWord" << "Delete Selected Word" << QRect(69, 287, 157, 20) << true;
        QTest::newRow("AddWord") << "AddWord" << "Add Word" << QRect(196, 247, 85, 20) << true;
        QTest::newRow("NewWord") << "NewWord" << "" << QRect(18, 247, 166, 22) << false;
        QTest::newRow("AddFile") << "AddFile" << "Load File" << QRect(38, 350, 80, 20) << true;
        QTest::newRow("Separator1") << "Separator1" << "" << QRect(22, 323, 251, 10) << false;
        QTest::newRow("SaveFile") << "SaveFile" << "Save File" << QRect(178, 350, 80, 20) << true;
        QTest::newRow("ClearTable") << "ClearTable" << "Clear Table" << QRect(30, 390, 96, 20) << true;
        QTest::newRow("SortTable") << "SortTable" << "Sort Table" << QRect(170, 390, 96, 20) << true;
        QTest::newRow("UseDefaultList") << "UseDefaultList" << "Use Default List" << QRect(85, 431, 125, 20) << true;
    }
    void windowAndControls() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(bool, bold);
        Maintenance *m = Maintenance::instance();
        QCOMPARE(m->windowTitle(), QStringLiteral("Maintenance"));
        QCOMPARE(m->size(), QSize(300, 471));
        QCOMPARE(m->minimumSize(), m->maximumSize());
        QVERIFY(!m->isVisible());

        auto *w = m->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), geometry);
        QCOMPARE(w->font().bold(), bold);
        QVERIFY(w->isEnabled());
        if (auto *b = qobject_cast<QPushButton *>(w)) {
            QCOMPARE(b->text(), caption);
            QVERIFY(!b->isDefault()); // no default button when created
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            QCOMPARE(l->text(), caption);
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            QVERIFY(e->text().isEmpty());
            QVERIFY(e->hasFrame());
        }
    }

    void tabOrderIsCreationOrder() {
        Maintenance *m = Maintenance::instance();
        const QList<QWidget *> expected = {m->Wordwell,  m->DeleteWord, m->AddWord,
                                           m->NewWord,   m->AddFile,    m->SaveFile,
                                           m->ClearTable, m->SortTable, m->UseDefaultList};
        QList<QWidget *> chain = {m->Wordwell};
        for (QWidget *w = m->Wordwell->nextInFocusChain(); w != m->Wordwell; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w;
        }
        QCOMPARE(chain, expected);
        QCOMPARE(FileTypes1::Text.name, "text");
        QCOMPARE(FileTypes1::Text.extensions, "txt");
        QCOMPARE(FileTypes1::Text.macType, "TEXT");
        QCOMPARE(FileTypes1::Text.macCreator, "????");
    }

    // What the counter shows, and what NoWords holds, after each operation.
    // The list starts with 1,234 words, four of them with an apostrophe;
    // NoWords starts at 7 and the counter at "x", so "unchanged" shows.
    void counterRendering_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<int>("noWords");
        QTest::newRow("window opening") << "open" << 1234 << "1,234" << 1234;
        QTest::newRow("add word") << "add" << 1235 << "1,235" << 1235;
        QTest::newRow("add word, empty field") << "add empty" << 1234 << "x" << 7;
        QTest::newRow("delete selected") << "delete" << 1233 << "1,233" << 1233;
        QTest::newRow("delete, no selection") << "delete none" << 1234 << "x" << 7;
        QTest::newRow("load file") << "load" << 1001 << "1,001" << 1001;
        QTest::newRow("load file cancelled") << "load cancel" << 1234 << "1,234" << 1234;
        QTest::newRow("load unreadable file") << "load missing" << 1234 << "1,234" << 1234;
        QTest::newRow("clear confirmed") << "clear ok" << 0 << "0" << 7;
        QTest::newRow("clear cancelled") << "clear cancel" << 1234 << "x" << 7;
        QTest::newRow("use default list") << "default" << 29394 << "29394" << 7;
        QTest::newRow("fixit") << "fixit" << 1230 << "1230" << 7;
        QTest::newRow("sort") << "sort" << 1234 << "x" << 7;
        QTest::newRow("save file") << "save" << 1234 << "x" << 7;
    }
    void counterRendering() {
        QFETCH(QString, operation);
        QFETCH(int, rows);
        QFETCH(QString, counter);
        QFETCH(int, noWords);

        std::vector<std::string> start;
        for (int i = 0; i < 1230; ++i)
            start.push_back("word" + std::to_string(i));
        for (const char *w : {"it's", "'tis", "o'", "rock'n'roll"})
            start.push_back(w);
        std::vector<std::string> thousand;
        for (int i = 0; i < 1001; ++i)
            thousand.push_back("file" + std::to_string(i));
        QVERIFY(TextFile::writeLines(filePath("thousand.txt"), thousand));

        Maintenance *m = windowWith(start);
        Module1::NoWords = 7;
        m->NumWords->setText(QStringLiteral("x"));

        if (operation == "open") {
            QVERIFY(TextFile::writeLines(m_config->file("tumblewickdictionary.txt"), start));
            m->Event_Open();
        } else if (operation == "add") {
            m->NewWord->setText(QStringLiteral("zebra"));
            m->AddWord->click();
        } else if (operation == "add empty") {
            m->AddWord->click();
        } else if (operation == "delete") {
            m->Wordwell->setCurrentIndex(m->words().index(5, 0));
            m->DeleteWord->click();
        } else if (operation == "delete none") {
            m->DeleteWord->click();
        } else if (operation == "load") {
            m_dialogs->openAnswer = filePath("thousand.txt");
            m->AddFile->click();
        } else if (operation == "load cancel") {
            m->AddFile->click();
        } else if (operation == "load missing") {
            m_dialogs->openAnswer = filePath("vanished.txt");
            m->AddFile->click();
        } else if (operation == "clear ok") {
            m->ClearTable->click();
        } else if (operation == "clear cancel") {
            m_boxes->answer = QMessageBox::Cancel;
            m->ClearTable->click();
        } else if (operation == "default") {
            m->UseDefaultList->click();
        } else if (operation == "fixit") {
            m->PushButton1_Action();
        } else if (operation == "sort") {
            m->SortTable->click();
        } else if (operation == "save") {
            m_dialogs->saveAnswer = filePath("saved.txt");
            m->SaveFile->click();
        } else {
            QFAIL("unknown operation");
        }
        QCOMPARE(m->words().count(), rows);
        QCOMPARE(m->NumWords->text(), counter);
        QCOMPARE(Module1::NoWords, noWords);
    }

    void addWordKeepsTextExactly() {
        Maintenance *m = windowWith({"cat", "dog"});
        m->NewWord->setText(QStringLiteral("  Hello World "));
        m->AddWord_Action();
        m->NewWord->setText(QStringLiteral("cat"));
        m->AddWord_Action();
        QCOMPARE(wordsOf(m), QStringList({"cat", "dog", "  Hello World ", "cat"}));
        QVERIFY(m->NewWord->text().isEmpty());
        QCOMPARE(m->NumWords->text(), QStringLiteral("4"));
    }

    // A word can never hold a line break: text pasted with several lines
    // becomes one word per line, and empty lines are dropped.
    void addWordSplitsPastedLines_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("added");
        QTest::newRow("LF") << "one\ntwo" << QStringList{"one", "two"};
        QTest::newRow("CRLF and blank lines") << "\r\none\r\n\r\ntwo\r\n" << QStringList{"one", "two"};
        QTest::newRow("lone CR") << "one\rtwo" << QStringList{"one", "two"};
        QTest::newRow("spaces kept") << " a b \n C " << QStringList{" a b ", " C "};
        QTest::newRow("only line breaks") << "\n\r\n" << QStringList{};
    }
    void addWordSplitsPastedLines() {
        QFETCH(QString, typed);
        QFETCH(QStringList, added);
        Maintenance *m = windowWith({"first"});
        m->NewWord->setText(typed);
        m->AddWord_Action();
        QCOMPARE(wordsOf(m), QStringList{"first"} + added);
        QVERIFY(m->NewWord->text().isEmpty());
        for (const std::string &row : rowsOf(m))
            QVERIFY(row.find_first_of("\r\n") == std::string::npos);
    }

    // Clicking a word makes Delete the default button, typing makes Add the
    // default; Return presses it from the list and from the field.
    void defaultButtonFollowsClickAndTyping() {
        Maintenance *m = windowWith({"apple", "banana", "cherry"});
        m->show();
        QVERIFY(QTest::qWaitForWindowExposed(m));

        const QRect second = m->Wordwell->visualRect(m->words().index(1, 0));
        QTest::mouseClick(m->Wordwell->viewport(), Qt::LeftButton, {}, second.center());
        QVERIFY(m->DeleteWord->isDefault());
        QVERIFY(!m->AddWord->isDefault());
        QCOMPARE(m->Wordwell->selectionModel()->selectedIndexes().size(), 1);

        QTest::keyClick(m->Wordwell, Qt::Key_Return);
        QCOMPARE(wordsOf(m), QStringList({"apple", "cherry"}));
        QCOMPARE(m->NumWords->text(), QStringLiteral("2"));
        // The deleted row took the selection with it: Return does nothing.
        QVERIFY(m->Wordwell->selectionModel()->selectedIndexes().isEmpty());
        QTest::keyClick(m->Wordwell, Qt::Key_Return);
        QCOMPARE(m->words().count(), 2);

        QTest::keyClicks(m->NewWord, QStringLiteral("Date"));
        QVERIFY(m->AddWord->isDefault());
        QVERIFY(!m->DeleteWord->isDefault());
        QTest::keyClick(m->NewWord, Qt::Key_Return);
        QCOMPARE(wordsOf(m), QStringList({"apple", "cherry", "Date"}));
        QVERIFY(m->NewWord->text().isEmpty());
        // Emptying the field is a change too: Add stays the default, and
        // Return on the empty field adds nothing.
        QVERIFY(m->AddWord->isDefault());
        QTest::keyClick(m->NewWord, Qt::Key_Return);
        QCOMPARE(m->words().count(), 3);

        QVERIFY(!m->Wordwell_CellClick(0, 0, 1, 1));
        QVERIFY(m->DeleteWord->isDefault());
    }

    void clearTableAsksFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rowsAfter");
        QTest::newRow("OK") << int(QMessageBox::Ok) << 0;
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << 3;
        QTest::newRow("box closed") << int(QMessageBox::NoButton) << 3;
    }
    void clearTableAsksFirst() {
        QFETCH(int, answer);
        QFETCH(int, rowsAfter);
        Maintenance *m = windowWith({"a", "b", "c"});
        m_boxes->answer = QMessageBox::StandardButton(answer);
        m->ClearTable_Action();
        QCOMPARE(m_boxes->seen.size(), 1);
        const auto &box = m_boxes->seen.first();
        QCOMPARE(box.text, QStringLiteral("Last chance - I'm going to clear the table!"));
        QVERIFY(box.title.isEmpty());
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons.size(), 2);
        QCOMPARE(box.defaultButton, QStringLiteral("Cancel"));
        QCOMPARE(m->words().count(), rowsAfter);
    }

    void fixitRemovesApostropheWords_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("anywhere in the word")
            << QStringList{"'tis", "cat", "it's", "o'", "dog", "rock'n'roll", "'"}
            << QStringList{"cat", "dog"};
        QTest::newRow("adjacent rows, first and last")
            << QStringList{"a'", "b'", "keep", "c'", "d'"} << QStringList{"keep"};
        QTest::newRow("typographic quote is not an apostrophe")
            << QStringList{QString::fromUtf8("it\u2019s"), "it`s"}
            << QStringList{QString::fromUtf8("it\u2019s"), "it`s"};
        QTest::newRow("everything goes") << QStringList{"'", "''"} << QStringList{};
    }
    void fixitRemovesApostropheWords() {
        QFETCH(QStringList, words);
        QFETCH(QStringList, kept);
        Maintenance *m = windowWith(bytesList(words));
        m->PushButton1_Action();
        QCOMPARE(wordsOf(m), kept);
        QCOMPARE(m->NumWords->text(), QString::number(kept.size()));
    }

    void sortTable_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("pear apple fig") << QStringList{"pear", "apple", "fig"}
                                        << QStringList{"apple", "fig", "pear"};
        // Byte order: capitals and spaces before lower case, duplicates kept.
        QTest::newRow("bytes") << QStringList{"b", "a", "B", " z", "a"}
                               << QStringList{" z", "B", "a", "a", "b"};
    }
    void sortTable() {
        QFETCH(QStringList, words);
        QFETCH(QStringList, sorted);
        Maintenance *m = windowWith(bytesList(words));
        m->SortTable_Action();
        QCOMPARE(wordsOf(m), sorted);
    }

    // After a sort the selection is still on the word the user picked, so
    // Return never deletes a word that merely moved under the selection.
    void sortKeepsSelectionOnItsWord() {
        Maintenance *m = windowWith({"pear", "apple", "fig"});
        m->Wordwell->setCurrentIndex(m->words().index(0, 0)); // pear
        m->Wordwell_CellClick(0, 0, 0, 0);
        m->SortTable_Action();
        m->DeleteWord_Action();
        QCOMPARE(wordsOf(m), QStringList({"apple", "fig"}));
    }

    void useDefaultListTwice() {
        Maintenance *m = windowWith({"x"});
        m->UseDefaultList_Action();
        m->UseDefaultList_Action();
        QCOMPARE(m->words().count(), 29394);
        QCOMPARE(rowsOf(m), DefaultList::words());
        // The next Add Word shows the grouped count.
        m->NewWord->setText(QStringLiteral("zzz"));
        m->AddWord_Action();
        QCOMPARE(m->NumWords->text(), QStringLiteral("29,395"));
    }

    // ---- Load File and Save File, with real files ----

    void loadFileReplacesTheDictionary() {
        Maintenance *m = windowWith(bytesList({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}));
        const QString dictionaryFile = m_config->file("tumblewickdictionary.txt");
        const QByteArray storedBefore = readBytes(dictionaryFile);
        QVERIFY(writeBytes(filePath("three.txt"), "  Pear \nApple\nfig\n"));
        m_dialogs->openAnswer = filePath("three.txt");
        m->AddFile_Action();
        QCOMPARE(m_dialogs->opened, 1);
        QCOMPARE(m_dialogs->openTitle, QStringLiteral("Select a Text file"));
        QCOMPARE(m_dialogs->openFolder, Maintenance::dialogStartFolder());
        QCOMPARE(wordsOf(m), QStringList({"  Pear ", "Apple", "fig"}));
        QVERIFY(m_boxes->seen.isEmpty());
        // The dictionary file changes only when the window closes.
        QCOMPARE(readBytes(dictionaryFile), storedBefore);
        m->close();
        QCOMPARE(readBytes(dictionaryFile), QByteArray("  Pear \nApple\nfig\n"));
    }

    void loadFileLineEnds_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("LF") << QByteArray("one\ntwo\nthree\n") << QStringList{"one", "two", "three"};
        QTest::newRow("CRLF") << QByteArray("one\r\ntwo\r\nthree\r\n") << QStringList{"one", "two", "three"};
        QTest::newRow("no final line end") << QByteArray("one\ntwo") << QStringList{"one", "two"};
        QTest::newRow("CR only") << QByteArray("one\rtwo\r") << QStringList{"one", "two"};
        QTest::newRow("empty lines skipped, read to the end")
            << QByteArray("\none\n\n\r\ntwo\n\n\nthree\n\n") << QStringList{"one", "two", "three"};
        QTest::newRow("only empty lines") << QByteArray("\n\r\n\n") << QStringList{};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("tabs and spaces kept") << QByteArray("a\tb\n  \n") << QStringList{"a\tb", "  "};
    }
    void loadFileLineEnds() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, words);
        Maintenance *m = windowWith({"old"});
        QVERIFY(writeBytes(filePath("words.txt"), content));
        m_dialogs->openAnswer = filePath("words.txt");
        m->AddFile_Action();
        QCOMPARE(wordsOf(m), words);
        QCOMPARE(m->NumWords->text(), QString::number(words.size()));
    }

    void accentedWordsRoundTripByteForByte() {
        const QByteArray content = QByteArray("caf\xc3\xa9\nna\xc3\xafve\nZ\xc3\xbcrich\n\xe6\x97\xa5\xe6\x9c\xac\n"
                                              "e\xcc\x81t\xc3\xa9\n");
        QVERIFY(writeBytes(filePath("accents.txt"), content));
        Maintenance *m = windowWith({});
        m_dialogs->openAnswer = filePath("accents.txt");
        m->AddFile_Action();
        QCOMPARE(m->words().count(), 5);
        QCOMPARE(m->words().wordAt(0), QString::fromUtf8("caf\xc3\xa9"));
        m_dialogs->saveAnswer = filePath("out.txt");
        m->SaveFile_Action();
        QCOMPARE(readBytes(filePath("out.txt")), content);
    }

    void saveThenLoadGivesTheSameRows() {
        const std::vector<std::string> rows = {"zeta", " alpha", "Beta ", "zeta", "\xc3\xa9t\xc3\xa9"};
        Maintenance *m = windowWith(rows);
        m_dialogs->saveAnswer = filePath("saved.txt");
        m->SaveFile_Action();
        QCOMPARE(m_dialogs->saved, 1);
        QVERIFY(m_dialogs->saveTitle.isEmpty());
        QCOMPARE(m_dialogs->saveFolder, Maintenance::dialogStartFolder());
        QCOMPARE(readBytes(filePath("saved.txt")),
                 QByteArray("zeta\n alpha\nBeta \nzeta\n\xc3\xa9t\xc3\xa9\n"));
        m->ClearTable_Action();
        m_dialogs->openAnswer = filePath("saved.txt");
        m->AddFile_Action();
        QCOMPARE(rowsOf(m), rows);
    }

    void saveReplacesAnExistingFile() {
        QVERIFY(writeBytes(filePath("saved.txt"), "old\ncontent\nlonger than the new one\n"));
        Maintenance *m = windowWith({"new"});
        m_dialogs->saveAnswer = filePath("saved.txt");
        m->SaveFile_Action();
        QCOMPARE(readBytes(filePath("saved.txt")), QByteArray("new\n"));
    }

    void emptyDictionarySavesAnEmptyFile() {
        Maintenance *m = windowWith({});
        m_dialogs->saveAnswer = filePath("empty.txt");
        m->SaveFile_Action();
        QCOMPARE(m_dialogs->saved, 1);
        QVERIFY(QFileInfo(filePath("empty.txt")).isFile());
        QCOMPARE(QFileInfo(filePath("empty.txt")).size(), 0);
    }

    void cancelChangesNothing() {
        Maintenance *m = windowWith({"keep", "these"});
        m->AddFile_Action();
        QCOMPARE(m_dialogs->opened, 1);
        QCOMPARE(wordsOf(m), QStringList({"keep", "these"}));
        m->SaveFile_Action();
        QCOMPARE(m_dialogs->saved, 1);
        QVERIFY(QDir(filesPath()).isEmpty());
        QVERIFY(m_boxes->seen.isEmpty());
    }

    // A file that vanished or cannot be read is reported, naming it, and
    // the dictionary stays as it was.
    void unreadableFileKeepsTheDictionary_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("vanished") << "vanished.txt";
        QTest::newRow("a folder") << "folder";
    }
    void unreadableFileKeepsTheDictionary() {
        QFETCH(QString, name);
        QVERIFY(QDir(filesPath()).mkdir("folder"));
        Maintenance *m = windowWith({"keep", "these"});
        m_dialogs->openAnswer = filePath(name);
        m->AddFile_Action();
        QCOMPARE(wordsOf(m), QStringList({"keep", "these"}));
        QCOMPARE(m_boxes->seen.size(), 1);
        QVERIFY(m_boxes->seen.first().text.contains(QDir::toNativeSeparators(filePath(name))));
        QVERIFY(m_boxes->seen.first().text.contains("could not read"));
    }

    void saveFailureIsReported_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "no/such/folder/words.txt";
        QTest::newRow("a folder") << "folder";
    }
    void saveFailureIsReported() {
        QFETCH(QString, name);
        QVERIFY(QDir(filesPath()).mkdir("folder"));
        Maintenance *m = windowWith({"keep"});
        m_dialogs->saveAnswer = filePath(name);
        m->SaveFile_Action();
        QCOMPARE(m_boxes->seen.size(), 1);
        QVERIFY(m_boxes->seen.first().text.contains(QDir::toNativeSeparators(filePath(name))));
        QVERIFY(m_boxes->seen.first().text.contains("could not save"));
        QCOMPARE(wordsOf(m), QStringList{"keep"});
    }
};

QTEST_MAIN(TestMaintenance)
#include "test_maintenance.moc"
