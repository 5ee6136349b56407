#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// One row of the score table: the player's name and the score as text.
struct ScoreRow {
    QString name;
    QString score;
    bool operator==(const ScoreRow &other) const {
        return name == other.name && score == other.score;
    }
};

// The ten best game totals, best first, in the form the High Scores window
// shows them and the score file stores them (one line per row: name, TAB,
// score). Scores are kept as text and compared by their numeric value (Val),
// so a hand-edited score that is not a number counts as 0 and is kept as is.
class ScoreTable {
public:
    static constexpr int Size = 10;

    // Ten vacant rows of a table made from scratch: name " ", score "0".
    static ScoreTable firstLaunch();

    // The table from the lines of a score file. Always ten rows: a missing line
    // gives an empty name and an empty score, a line without a TAB is all name,
    // text after a second TAB and lines after the tenth are ignored.
    static ScoreTable fromLines(const QStringList &lines);

    // The ten lines of the score file (rows 0 to 9).
    QStringList toLines() const;

    int count() const { return int(m_rows.size()); }
    const ScoreRow &at(int row) const { return m_rows.at(row); }
    const QList<ScoreRow> &rows() const { return m_rows; }

    // Renames a row (names go through cleanName). Returns whether it changed.
    bool setName(int row, const QString &name);

    // Files a new entry: it joins as an eleventh row, the ranking sort carries
    // it to its place (below every older entry of the same score) and the row
    // then left at the bottom is dropped.
    void insert(const QString &name, qint32 total);

    // Ten rows of empty name and score "0".
    void clear();

    // The ranking sort: bubble passes from the bottom up, exchanging two rows
    // only when the upper score is strictly lower, so equal scores keep their
    // order. Stops after a pass without exchange.
    static void sortScores(QList<ScoreRow> &rows);

    // A name as it may be stored: a TAB or line break would split or shift
    // the score file's lines, so each becomes a space.
    static QString cleanName(const QString &name);

private:
    QList<ScoreRow> m_rows;
};
