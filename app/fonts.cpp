#include "app/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

static void substitute(const QString &family, const QStringList &candidates) {
    if (QFontDatabase::hasFamily(family))
        return;
    QStringList installed;
    for (const QString &c : candidates)
        if (QFontDatabase::hasFamily(c))
            installed.append(c);
    if (!installed.isEmpty())
        QFont::insertSubstitutions(family, installed);
}

void Fonts::installSubstitutions() {
    static const bool done = [] {
        substitute(QStringLiteral("Helvetica Neue"),
                   {QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Helvetica"), QStringLiteral("Arial")});
        substitute(QStringLiteral("Courier"),
                   {QStringLiteral("Nimbus Mono PS"), QStringLiteral("Liberation Mono"),
                    QStringLiteral("Courier New")});
        substitute(QStringLiteral("Arial"),
                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                    QStringLiteral("Nimbus Sans")});
        return true;
    }();
    (void)done;
}
