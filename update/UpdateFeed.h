#pragma once
#include <QString>

// Reading the update feed and deciding what a reply means. The feed is XML in
// form only: three elements are cut out by their literal tags, and the text
// between the tags is taken as it stands (no trimming, no entity decoding).
namespace UpdateFeed {

// "<" + name + ">" and "</" + name + ">"; tags are matched exactly, with case.
QString startTag(const QString &name);
QString endTag(const QString &name);

// The text between the first start tag of `name` and the first end tag after
// it. A missing start or end tag gives the empty string.
QString returnValue(const QString &page, const QString &name);

// True when the dotted version text names exactly the version
// major.minor.bug. Only the first three fields count; each field's value is
// the number at its start (0 for an empty field or one without a number).
// This is an equality test: an older version is offered like a newer one.
bool isCurrent(const QString &version, int major, int minor, int bug);

// What one reply from the feed leads to.
struct Decision {
    enum Outcome {
        CloseSilently, // empty page: the check ends without a word
        Current,       // the running version is the feed's version
        Unreadable,    // the page has no usable CurrentVersion element
        Offer,         // a different version is offered
    };
    Outcome outcome = CloseSilently;
    QString version;
    QString description;
    bool free = false;
};

Decision decide(const QString &page, int major, int minor, int bug);

// The offer's main text for `version`, while `shortVersion` is running.
QString offerMessage(const QString &version, const QString &shortVersion, bool free);

} // namespace UpdateFeed
