#include "scores/GameScores.h"

#include "app/msgbox.h"
#include "app/storage.h"
#include "app/textfile.h"
#include "scores/ScoreModel.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

GameScores::GameScores()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_model(new ScoreModel(this)) {
    setObjectName(QStringLiteral("GameScores"));
    setWindowTitle(QStringLiteral("High Scores"));
    setFixedSize(219, 256);

    HighScores = new QTableView(this);
    HighScores->setObjectName(QStringLiteral("HighScores"));
    HighScores->setAccessibleName(QStringLiteral("High Scores"));
    HighScores->setGeometry(20, 20, 179, 177);
    HighScores->setModel(m_model);
    HighScores->setShowGrid(true);
    HighScores->setGridStyle(Qt::SolidLine);
    HighScores->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HighScores->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HighScores->setSelectionBehavior(QAbstractItemView::SelectRows);
    HighScores->setSelectionMode(QAbstractItemView::SingleSelection);
    HighScores->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed);
    HighScores->setDragEnabled(false);
    HighScores->setSortingEnabled(false);
    HighScores->setWordWrap(false);

    // The ten rows share the height below the heading, so all are in view
    // without scroll bars.
    QHeaderView *rows = HighScores->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Stretch);

    // Columns of 65% and 35% of the list's width, not resizable, not movable.
    QHeaderView *heading = HighScores->horizontalHeader();
    heading->setSectionsMovable(false);
    heading->setSectionsClickable(false);
    heading->setHighlightSections(false);
    heading->setSectionResizeMode(QHeaderView::Fixed);
    const int inner = HighScores->width() - 2 * HighScores->frameWidth();
    heading->resizeSection(0, qRound(inner * 0.65));
    heading->resizeSection(1, inner - heading->sectionSize(0));

    ClearScores = new QPushButton(QStringLiteral("Clear Scores"), this);
    ClearScores->setObjectName(QStringLiteral("ClearScores"));
    ClearScores->setGeometry(59, 216, 100, 20);
    ClearScores->setAutoDefault(false);
    QFont bold = ClearScores->font();
    bold.setBold(true);
    ClearScores->setFont(bold);

    setTabOrder(HighScores, ClearScores);

    connect(ClearScores, &QPushButton::clicked, this, &GameScores::ClearScores_Action);
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft) {
                HighScores_CellTextChange(topLeft.row(), topLeft.column());
            });
}

void GameScores::Event_Open() {
    // The columns are centred and column 0 alone is editable (ScoreModel).
    getScoresPlist();
}

QString GameScores::nameAt(int row) const {
    return row >= 0 && row < rowCount() ? table().at(row).name : QString();
}

QString GameScores::scoreAt(int row) const {
    return row >= 0 && row < rowCount() ? table().at(row).score : QString();
}

int GameScores::rowCount() const { return m_model->table().count(); }

const ScoreTable &GameScores::table() const { return m_model->table(); }

void GameScores::getScoresPlist() {
    const QString name = QString::fromLatin1(Storage::ScoresFile);
    const QString path = Storage::filePath(name);
    if (!QFileInfo::exists(path)) {
        // First launch. When the file cannot be created (the save has said
        // so), the table starts from the same content in memory.
        const ScoreTable fresh = ScoreTable::firstLaunch();
        if (!Storage::save(name, fresh.toLines())) {
            m_model->setTable(fresh);
            return;
        }
    }
    QStringList lines;
    QString error;
    if (!TextFile::readLines(path, lines, &error, TextFile::EmptyLines::Keep, ScoreTable::Size)) {
        // An unreadable file gives ten vacant rows; it is replaced only when
        // the table next changes.
        Storage::tellReadFailure(path, error);
        lines.clear();
    }
    m_model->setTable(ScoreTable::fromLines(lines));
}

void GameScores::saveScoresPlist() {
    Storage::save(QString::fromLatin1(Storage::ScoresFile), table().toLines());
}

void GameScores::fileEntry(const QString &name, qint32 total) {
    m_model->insert(name, total);
    SharedWindows::showWindow(this);
    saveScoresPlist();
}

void GameScores::HighScores_CellTextChange(int, int) { saveScoresPlist(); }

void GameScores::ClearScores_Action() {
    if (MsgBox::confirm(QStringLiteral("Last chance - I'm going to clear the scores!")) !=
        MsgBox::OK)
        return;
    m_model->clear();
    saveScoresPlist();
}
