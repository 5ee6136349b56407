#include "game/Scrambler.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace Scrambler {

QStringList characters(const QString &word) {
    QStringList out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        out.append(word.mid(start, end - start));
        start = end;
    }
    return out;
}

int length(const QString &text) { return int(characters(text).size()); }

bool canScramble(const QString &word) {
    const QStringList chars = characters(word);
    for (qsizetype i = 1; i < chars.size(); ++i)
        if (chars[i] != chars[0])
            return true;
    return false;
}

QString shuffle(const QString &word, Random &r) {
    QStringList chars = characters(word);
    std::shuffle(chars.begin(), chars.end(), r.engine());
    return chars.join(QString());
}

// A word known to hold two different characters: shuffle until the order
// differs; a rotation by one is the bounded fallback (it always differs).
static QString scrambleDifferent(const QString &word, Random &r) {
    for (int i = 0; i < 64; ++i) {
        const QString s = shuffle(word, r);
        if (s != word)
            return s;
    }
    QStringList chars = characters(word);
    std::rotate(chars.begin(), chars.begin() + 1, chars.end());
    return chars.join(QString());
}

Draw draw(int count, const std::function<QString(int)> &wordAt, Random &r, int maxAttempts) {
    Draw d;
    if (count <= 0)
        return d;
    for (int attempt = 0; attempt < maxAttempts; ++attempt) {
        const QString word = wordAt(r.InRange(0, count - 1));
        const QString s = shuffle(word, r);
        if (s != word) {
            d.found = true;
            d.word = word;
            d.scramble = s;
            return d;
        }
    }
    const int start = r.InRange(0, count - 1);
    for (int k = 0; k < count; ++k) {
        const QString word = wordAt((start + k) % count);
        if (canScramble(word)) {
            d.found = true;
            d.word = word;
            d.scramble = scrambleDifferent(word, r);
            return d;
        }
    }
    return d;
}

} // namespace Scrambler
