#include "app/Preferences.h"

namespace Preferences {

QStringList defaults() { return {QStringLiteral("True"), QStringLiteral("60")}; }

Settings parse(const QStringList &lines) {
    Settings s;
    s.sound = lines.value(0) == QLatin1String("True");
    const QString length = lines.value(1);
    for (int seconds : {90, 60, 30})
        if (length == QString::number(seconds))
            s.seconds = seconds;
    return s;
}

QStringList format(const Settings &s) {
    return {s.sound ? QStringLiteral("True") : QStringLiteral("False"),
            s.seconds > 0 ? QString::number(s.seconds) : QString()};
}

} // namespace Preferences
