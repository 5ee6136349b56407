#include "app/storage.h"

#include "app/msgbox.h"
#include "app/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

namespace Storage {

static QSet<QString> &reported() {
    static QSet<QString> set;
    return set;
}

QString preferencesFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
    QDir().mkpath(folder);
    return folder;
}

QString filePath(const QString &name) { return preferencesFolder() + u'/' + name; }

static bool report(const QString &path, bool ok, const QString &error) {
    if (ok || reported().contains(path))
        return ok;
    reported().insert(path);
    QString reason = error;
    const QFileInfo dir(QFileInfo(path).absolutePath());
    if (!dir.exists())
        reason = QStringLiteral("The folder %1 does not exist and could not be created.")
                     .arg(QDir::toNativeSeparators(dir.absoluteFilePath()));
    else if (!dir.isDir())
        reason = QStringLiteral("%1 is a file, not a folder.")
                     .arg(QDir::toNativeSeparators(dir.absoluteFilePath()));
    tellSaveFailure(path, reason, QStringLiteral("Your changes are kept while the program runs."));
    return false;
}

static void tell(const char *verb, const QString &path, const QString &reason,
                 const QString &consequence) {
    QString text = QStringLiteral("Tumblewick could not %1 the file \"%2\": %3")
                       .arg(QLatin1String(verb), QDir::toNativeSeparators(path), reason);
    if (!consequence.isEmpty())
        text += QStringLiteral("\n\n") + consequence;
    MsgBox::show(text);
}

void tellReadFailure(const QString &path, const QString &reason, const QString &consequence) {
    tell("read", path, reason, consequence);
}

void tellSaveFailure(const QString &path, const QString &reason, const QString &consequence) {
    tell("save", path, reason, consequence);
}

bool save(const QString &name, const PackedLines &lines) {
    const QString path = filePath(name);
    QString error;
    const bool ok = TextFile::writeLines(path, lines, &error);
    return report(path, ok, error);
}

bool save(const QString &name, const QStringList &lines) {
    const QString path = filePath(name);
    QString error;
    const bool ok = TextFile::writeLines(path, lines, &error);
    return report(path, ok, error);
}

void resetReportedFailures() { reported().clear(); }

} // namespace Storage
