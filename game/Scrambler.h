#pragma once
#include "game/Random.h"

#include <QString>
#include <QStringList>
#include <functional>

// Drawing a word and scrambling its letters. A "letter" is a user-perceived
// character (a grapheme cluster): é written as e plus a combining accent, or
// an emoji made of several code points, moves as one piece and is never split.
namespace Scrambler {

// The word's characters, in order.
QStringList characters(const QString &word);

// Number of characters of a text (what the player sees as its length).
int length(const QString &text);

// True when some arrangement of the word's characters differs from it, that
// is, when it holds at least two different characters.
bool canScramble(const QString &word);

// The characters of the word in a uniformly random order (may equal the word).
QString shuffle(const QString &word, Random &r);

struct Draw {
    bool found = false; // false: no word of the dictionary can be scrambled
    QString word;       // the drawn word (empty when not found)
    QString scramble;   // its characters in another order
};

// Draws random rows until one scrambles into a different order. Each attempt
// draws a new row; after maxAttempts the rows are scanned once from a random
// start for a word that can be scrambled, so the work stays bounded even when
// no row can. An empty dictionary gives found == false.
Draw draw(int count, const std::function<QString(int)> &wordAt, Random &r,
          int maxAttempts = 1000);

} // namespace Scrambler
