#pragma once
#include <QString>

// Small text helpers shared by every window.

// The leading decimal number of a text as a double (optional sign, digits,
// optional fraction and exponent); 0 when the text does not start with one.
double Val(const QString &text);

// A count with thousands grouped by "," (29394 -> "29,394"); 0 shows as "0".
QString formatGrouped(qint64 n);

// Plain decimal text of a number, no grouping.
inline QString Str(qint64 n) { return QString::number(n); }
