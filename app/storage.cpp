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
    MsgBox::show(QStringLiteral("Tumblewick could not save the file \"%1\": %2\n\n"
                                "Your changes are kept while the program runs.")
                     .arg(QDir::toNativeSeparators(path), reason));
    return false;
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
