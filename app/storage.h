#pragma once
#include "app/packedlines.h"

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// The user's preferences folder and the program's three store files in it.
namespace Storage {

inline const char *const PreferencesFile = "tumblewick.txt";
inline const char *const DictionaryFile = "tumblewickdictionary.txt";
inline const char *const ScoresFile = "tumblewickscores.txt";

// The platform's config folder ($XDG_CONFIG_HOME, else ~/.config on Linux).
// It is created when missing; creating it may fail, which the saves report.
QString preferencesFolder();

// Full path of a file directly inside the preferences folder.
QString filePath(const QString &name);

// Writes a store file atomically. A failure is told to the user once per
// file and run, in a message box naming the file and the reason; the program
// goes on with its data in memory.
bool save(const QString &name, const PackedLines &lines);
bool save(const QString &name, const QStringList &lines);

// Tells the user that a file could not be read or saved, naming the file
// and the reason; `consequence`, when given, follows on a line of its own.
void tellReadFailure(const QString &path, const QString &reason,
                     const QString &consequence = QString());
void tellSaveFailure(const QString &path, const QString &reason,
                     const QString &consequence = QString());

// Forgets which failures were already reported (for tests).
void resetReportedFailures();

} // namespace Storage
