#pragma once
#include <QStringList>

// The preferences file "tumblewick.txt": line 1 "True" or "False" (sound),
// line 2 the turn length "90", "60" or "30", or an empty line for none.
// Lines are compared whole and exactly; lines after the second are ignored.
namespace Preferences {

struct Settings {
    bool sound = false;
    int seconds = 0; // 90, 60 or 30; 0 when the file names no turn length
    bool operator==(const Settings &o) const { return sound == o.sound && seconds == o.seconds; }
};

// The content written when the file is missing: sound on, 60-second turns.
QStringList defaults();

Settings parse(const QStringList &lines);
QStringList format(const Settings &settings);

} // namespace Preferences
