#include "scores/ScoreTable.h"

#include "app/common.h"

ScoreTable ScoreTable::firstLaunch() {
    ScoreTable t;
    for (int i = 0; i < Size; ++i)
        t.m_rows.append({QStringLiteral(" "), QStringLiteral("0")});
    return t;
}

ScoreTable ScoreTable::fromLines(const QStringList &lines) {
    ScoreTable t;
    for (int i = 0; i < Size; ++i) {
        const QString line = i < lines.size() ? lines.at(i) : QString();
        t.m_rows.append({line.section(u'\t', 0, 0), line.section(u'\t', 1, 1)});
    }
    return t;
}

QStringList ScoreTable::toLines() const {
    QStringList lines;
    for (int i = 0; i < Size && i < count(); ++i)
        lines.append(cleanName(m_rows.at(i).name) + u'\t' + m_rows.at(i).score);
    return lines;
}

bool ScoreTable::setName(int row, const QString &name) {
    const QString clean = cleanName(name);
    if (row < 0 || row >= count() || m_rows.at(row).name == clean)
        return false;
    m_rows[row].name = clean;
    return true;
}

void ScoreTable::insert(const QString &name, qint32 total) {
    m_rows.append({cleanName(name), Str(total)});
    sortScores(m_rows);
    while (count() > Size)
        m_rows.removeLast();
}

void ScoreTable::clear() {
    m_rows.clear();
    for (int i = 0; i < Size; ++i)
        m_rows.append({QString(), QStringLiteral("0")});
}

void ScoreTable::sortScores(QList<ScoreRow> &rows) {
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (qsizetype j = rows.size() - 1; j >= 1; --j) {
            if (Val(rows.at(j - 1).score) < Val(rows.at(j).score)) {
                rows.swapItemsAt(j - 1, j);
                exchanged = true;
            }
        }
    }
}

QString ScoreTable::cleanName(const QString &name) {
    QString clean = name;
    for (QChar &c : clean) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return clean;
}
