#include "dictionary/Maintenance.h"

#include "app/common.h"
#include "app/defaultbutton.h"
#include "app/msgbox.h"
#include "app/storage.h"
#include "app/textfile.h"
#include "dictionary/DefaultList.h"
#include "dictionary/DictionaryFile.h"
#include "game/Module1.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QTableView>
#include <QPushButton>
#include <QStandardPaths>
#include <limits>

static Maintenance::FileChooser &openChooser() {
    static Maintenance::FileChooser chooser;
    return chooser;
}

static Maintenance::FileChooser &saveChooser() {
    static Maintenance::FileChooser chooser;
    return chooser;
}

void Maintenance::setOpenFileChooser(FileChooser chooser) { openChooser() = std::move(chooser); }
void Maintenance::setSaveFileChooser(FileChooser chooser) { saveChooser() = std::move(chooser); }

QString Maintenance::dialogStartFolder() {
    const QString documents = QDir::rootPath() + QStringLiteral("Documents");
    if (QFileInfo(documents).isDir())
        return documents;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

Maintenance::Maintenance()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_words(new WordList(this)) {
    setObjectName(QStringLiteral("Maintenance"));
    setWindowTitle(QStringLiteral("Maintenance"));
    setFixedSize(300, 471);

    QFont bold = font();
    bold.setBold(true);

    // A table of one column rather than a QListView: a list view lays every
    // row out again after each insert or removal (50 ms and more with a
    // million words), a table only keeps one fixed row height.
    Wordwell = new QTableView(this);
    Wordwell->setObjectName(QStringLiteral("Wordwell"));
    Wordwell->setGeometry(18, 16, 262, 178);
    Wordwell->setModel(m_words);
    Wordwell->horizontalHeader()->hide();
    Wordwell->horizontalHeader()->setStretchLastSection(true);
    Wordwell->verticalHeader()->hide();
    Wordwell->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Wordwell->verticalHeader()->setDefaultSectionSize(Wordwell->fontMetrics().height() + 4);
    Wordwell->setShowGrid(false);
    Wordwell->setWordWrap(false);
    Wordwell->setSelectionBehavior(QAbstractItemView::SelectRows);
    Wordwell->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Wordwell->setSelectionMode(QAbstractItemView::SingleSelection);
    Wordwell->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Wordwell->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Wordwell->setAccessibleName(QStringLiteral("Words"));

    StaticText1 = new QLabel(QStringLiteral("Number of words:"), this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setGeometry(55, 205, 122, 20);
    StaticText1->setFont(bold);

    NumWords = new QLabel(this);
    NumWords->setObjectName(QStringLiteral("NumWords"));
    NumWords->setGeometry(189, 205, 65, 20);
    NumWords->setFont(bold);
    NumWords->setTextFormat(Qt::PlainText);
    NumWords->setAccessibleName(QStringLiteral("Number of words"));

    const auto button = [this, &bold](const char *name, const QString &caption, int x, int y,
                                       int w, int h) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, w, h);
        b->setFont(bold);
        b->setAutoDefault(false);
        return b;
    };

    DeleteWord = button("DeleteWord", QStringLiteral("Delete Selected Word"), 69, 287, 157, 20);
    AddWord = button("AddWord", QStringLiteral("Add Word"), 196, 247, 85, 20);

    NewWord = new QLineEdit(this);
    NewWord->setObjectName(QStringLiteral("NewWord"));
    NewWord->setGeometry(18, 247, 166, 22);
    NewWord->setMaxLength(std::numeric_limits<int>::max());
    NewWord->setAccessibleName(QStringLiteral("New word"));

    AddFile = button("AddFile", QStringLiteral("Load File"), 38, 350, 80, 20);

    Separator1 = new QFrame(this);
    Separator1->setObjectName(QStringLiteral("Separator1"));
    Separator1->setFrameShape(QFrame::HLine);
    Separator1->setFrameShadow(QFrame::Sunken);
    Separator1->setGeometry(22, 323, 251, 10);

    SaveFile = button("SaveFile", QStringLiteral("Save File"), 178, 350, 80, 20);
    ClearTable = button("ClearTable", QStringLiteral("Clear Table"), 30, 390, 96, 20);
    SortTable = button("SortTable", QStringLiteral("Sort Table"), 170, 390, 96, 20);
    UseDefaultList = button("UseDefaultList", QStringLiteral("Use Default List"), 85, 431, 125, 20);

    // The tab order is the creation order above.

    connect(Wordwell, &QAbstractItemView::pressed, this, [this](const QModelIndex &index) {
        const QPoint at = Wordwell->viewport()->mapFromGlobal(QCursor::pos());
        Wordwell_CellClick(index.row(), index.column(), at.x(), at.y());
    });
    connect(NewWord, &QLineEdit::textChanged, this, &Maintenance::NewWord_TextChange);
    connect(AddWord, &QPushButton::clicked, this, &Maintenance::AddWord_Action);
    connect(DeleteWord, &QPushButton::clicked, this, &Maintenance::DeleteWord_Action);
    connect(AddFile, &QPushButton::clicked, this, &Maintenance::AddFile_Action);
    connect(SaveFile, &QPushButton::clicked, this, &Maintenance::SaveFile_Action);
    connect(ClearTable, &QPushButton::clicked, this, &Maintenance::ClearTable_Action);
    connect(SortTable, &QPushButton::clicked, this, &Maintenance::SortTable_Action);
    connect(UseDefaultList, &QPushButton::clicked, this, &Maintenance::UseDefaultList_Action);

    // Return presses the current default button (the list and the entry
    // field leave Return to the window).
    DefaultButtonFilter::install(this);

    const auto changed = [this] {
        m_keepUnreadableFile = false;
        m_loadedStamp.clear();
    };
    connect(m_words, &QAbstractItemModel::rowsInserted, this, changed);
    connect(m_words, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(m_words, &QAbstractItemModel::modelReset, this, changed);
    connect(m_words, &QAbstractItemModel::layoutChanged, this, changed);
}

void Maintenance::Event_Open() {
    getPlistDictionary();
    Module1::NoWords = m_words->count();
    showCountGrouped();
}

void Maintenance::Event_Close() { savePlistDictionary(); }

void Maintenance::closeEvent(QCloseEvent *event) {
    Event_Close();
    event->accept();
}

void Maintenance::getPlistDictionary() {
    const QString path = Storage::filePath(QString::fromLatin1(Storage::DictionaryFile));
    const QFileInfo info(path);
    if (info.exists()) {
        const QString stamp = QStringLiteral("%1 %2").arg(info.size()).arg(
            info.lastModified().toMSecsSinceEpoch());
        if (!m_loadedStamp.isEmpty() && stamp == m_loadedStamp)
            return;
        // A file that exists but cannot be read leaves the dictionary empty
        // rather than bringing back the default list, and is not overwritten
        // at close unless the user fills the list anew.
        PackedLines rows;
        QString error;
        const bool ok = DictionaryFile::read(path, rows, &error);
        const bool reported = m_keepUnreadableFile;
        m_words->replaceAll(std::move(rows));
        if (!ok && !reported) {
            Storage::tellReadFailure(path, error);
        }
        m_keepUnreadableFile = !ok;
        if (ok)
            m_loadedStamp = stamp;
    } else {
        UseDefaultList->click();
        savePlistDictionary();
    }
}

void Maintenance::savePlistDictionary() {
    if (m_keepUnreadableFile)
        return;
    Storage::save(QString::fromLatin1(Storage::DictionaryFile), m_words->packed());
}

void Maintenance::UseDefaultList_Action() {
    m_words->replaceAll(DefaultList::packed());
    showCountPlain();
}

void Maintenance::showCountGrouped() { NumWords->setText(formatGrouped(Module1::NoWords)); }

void Maintenance::showCountPlain() { NumWords->setText(Str(m_words->count())); }

bool Maintenance::Wordwell_CellClick(int, int, int, int) {
    AddWord->setDefault(false);
    DeleteWord->setDefault(true);
    return false;
}

void Maintenance::NewWord_TextChange() {
    DeleteWord->setDefault(false);
    AddWord->setDefault(true);
}

void Maintenance::AddWord_Action() {
    const QString text = NewWord->text();
    if (text.isEmpty())
        return;
    // The dictionary file holds one word per line, so a word never holds a
    // line break: pasted lines become one word each, empty ones are dropped.
    QString lines = text;
    lines.replace(u'\r', u'\n');
    const QStringList pieces = lines.split(u'\n', Qt::SkipEmptyParts);
    for (const QString &word : pieces)
        m_words->append(word);
    Module1::NoWords = m_words->count();
    showCountGrouped();
    NewWord->clear();
}

void Maintenance::DeleteWord_Action() {
    const QModelIndexList selected = Wordwell->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    m_words->removeAt(selected.first().row());
    // The list would move the selection to the next word; a second Return
    // must not delete that one too.
    Wordwell->selectionModel()->clearSelection();
    Module1::NoWords = m_words->count();
    showCountGrouped();
}

void Maintenance::ClearTable_Action() {
    if (MsgBox::confirm(QStringLiteral("Last chance - I'm going to clear the table!")) != MsgBox::OK)
        return;
    m_words->clear();
    NumWords->setText(QStringLiteral("0"));
    update();
}

void Maintenance::SortTable_Action() { m_words->sortAscending(); }

void Maintenance::PushButton1_Action() {
    m_words->removeIf([](std::string_view word) { return word.find('\'') != word.npos; });
    showCountPlain();
}

void Maintenance::AddFile_Action() {
    getNewFileData();
    Module1::NoWords = m_words->count();
    showCountGrouped();
}

void Maintenance::getNewFileData() {
    const QString title = QStringLiteral("Select a Text file");
    const QString path = openChooser()
                             ? openChooser()(this, title, dialogStartFolder())
                             : QFileDialog::getOpenFileName(this, title, dialogStartFolder());
    if (path.isEmpty())
        return;
    // The file is read before anything is removed: a file that cannot be
    // read leaves the dictionary as it was.
    PackedLines rows;
    QString error;
    if (!DictionaryFile::readWordFile(path, rows, &error)) {
        Storage::tellReadFailure(path, error, QStringLiteral("The word list is unchanged."));
        return;
    }
    m_words->replaceAll(std::move(rows));
}

void Maintenance::SaveFile_Action() { saveFileData(); }

void Maintenance::saveFileData() {
    const QString path = saveChooser()
                             ? saveChooser()(this, QString(), dialogStartFolder())
                             : QFileDialog::getSaveFileName(this, QString(), dialogStartFolder());
    if (path.isEmpty())
        return;
    QString error;
    if (!TextFile::writeLines(path, m_words->packed(), &error)) {
        Storage::tellSaveFailure(path, error);
    }
}
