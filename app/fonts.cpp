#include "app/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void Fonts::installSubstitutions() {
    const QString wanted = QStringLiteral("Helvetica Neue");
    if (QFontDatabase::hasFamily(wanted))
        return;
    QStringList substitutes;
    for (const QString &family : {QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                                  QStringLiteral("Helvetica"), QStringLiteral("Arial")}) {
        if (QFontDatabase::hasFamily(family))
            substitutes.append(family);
    }
    if (!substitutes.isEmpty())
        QFont::insertSubstitutions(wanted, substitutes);
}
