#include "app/common.h"

double Val(const QString &text) {
    // Leading white space is skipped, as the classic BASIC Val does.
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const int start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].unicode() >= '0' && text[i].unicode() <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    int end = i;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        int j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        int expDigits = 0;
        while (j < n && text[j].unicode() >= '0' && text[j].unicode() <= '9') {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            end = j;
    }
    bool ok = false;
    const double v = text.mid(start, end - start).toDouble(&ok);
    return ok ? v : 0.0;
}

QString formatGrouped(qint64 n) {
    const bool negative = n < 0;
    QString digits = QString::number(negative ? -n : n);
    for (int pos = digits.size() - 3; pos > 0; pos -= 3)
        digits.insert(pos, u',');
    return negative ? QStringLiteral("-") + digits : digits;
}
