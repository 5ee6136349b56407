#include "dictionary/Maintenance.h"

#include "app/common.h"
#include "app/msgbox.h"
#include "app/storage.h"
#include "dictionary/DefaultList.h"
#include "dictionary/DictionaryFile.h"
#include "game/Module1.h"

#include <QCloseEvent>
#include <QDir>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>

Maintenance::Maintenance()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_words(new WordList(this)) {
    setObjectName(QStringLiteral("Maintenance"));
    setWindowTitle(QStringLiteral("Maintenance"));
    setFixedSize(300, 471);

    QFont bold = font();
    bold.setBold(true);

    Wordwell = new QListView(this);
    Wordwell->setObjectName(QStringLiteral("Wordwell"));
    Wordwell->setGeometry(18, 16, 262, 178);
    Wordwell->setModel(m_words);
    Wordwell->setUniformItemSizes(true);
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

    UseDefaultList = new QPushButton(QStringLiteral("Use Default List"), this);
    UseDefaultList->setObjectName(QStringLiteral("UseDefaultList"));
    UseDefaultList->setGeometry(85, 431, 125, 20);
    UseDefaultList->setFont(bold);
    connect(UseDefaultList, &QPushButton::clicked, this, &Maintenance::UseDefaultList_Action);

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
        std::vector<std::string> rows;
        QString error;
        const bool ok = DictionaryFile::read(path, rows, &error);
        const bool reported = m_keepUnreadableFile;
        m_words->replaceAll(std::move(rows));
        if (!ok && !reported) {
            MsgBox::show(QStringLiteral("Tumblewick could not read the file \"%1\": %2")
                             .arg(QDir::toNativeSeparators(path), error));
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
    Storage::save(QString::fromLatin1(Storage::DictionaryFile), m_words->rows());
}

void Maintenance::UseDefaultList_Action() {
    m_words->replaceAll(DefaultList::words());
    showCountPlain();
}

void Maintenance::showCountGrouped() { NumWords->setText(formatGrouped(Module1::NoWords)); }

void Maintenance::showCountPlain() { NumWords->setText(Str(m_words->count())); }
