#include "update/UpdateFeed.h"

#include "app/common.h"

#include <QStringList>

namespace UpdateFeed {

QString startTag(const QString &name) { return QStringLiteral("<") + name + QStringLiteral(">"); }

QString endTag(const QString &name) { return QStringLiteral("</") + name + QStringLiteral(">"); }

QString returnValue(const QString &page, const QString &name) {
    const QString start = startTag(name);
    const qsizetype at = page.indexOf(start);
    if (at < 0)
        return QString();
    const qsizetype from = at + start.size();
    const qsizetype to = page.indexOf(endTag(name), from);
    if (to < 0)
        return QString();
    return page.mid(from, to - from);
}

bool isCurrent(const QString &version, int major, int minor, int bug) {
    const QStringList fields = version.split(u'.');
    const auto field = [&fields](int i) { return i < fields.size() ? Val(fields[i]) : 0.0; };
    return field(0) == major && field(1) == minor && field(2) == bug;
}

Decision decide(const QString &page, int major, int minor, int bug) {
    Decision d;
    if (page.isEmpty())
        return d;
    d.version = returnValue(page, QStringLiteral("CurrentVersion"));
    d.description = returnValue(page, QStringLiteral("Description"));
    d.free = returnValue(page, QStringLiteral("Free")) == QLatin1String("Yes");
    // A page without a version (a server's error page, a broken feed) must
    // not turn into an offer of "Version  is now available."
    if (d.version.isEmpty())
        d.outcome = Decision::Unreadable;
    else if (isCurrent(d.version, major, minor, bug))
        d.outcome = Decision::Current;
    else
        d.outcome = Decision::Offer;
    return d;
}

QString offerMessage(const QString &version, const QString &shortVersion, bool free) {
    QString msg = QStringLiteral("Version ") + version + QStringLiteral(" is now available. ");
    msg += QStringLiteral("(You are using version ") + shortVersion + QStringLiteral(".) ");
    if (free) {
        msg += QStringLiteral("This is a free upgrade. ");
        msg += QStringLiteral("Would you like to automatically download ");
        msg += QStringLiteral("this update (using your web browser)?");
    } else {
        msg += QStringLiteral("This is a paid upgrade. ");
        msg += QStringLiteral("Would you like to automatically download ");
        msg += QStringLiteral("the trial version (using your web browser)?");
    }
    return msg;
}

} // namespace UpdateFeed
