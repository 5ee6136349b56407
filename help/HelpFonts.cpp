#include "help/HelpFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace HelpFonts {

void install() {
    static const bool done = [] {
        const auto substitute = [](const QString &family, const QStringList &standIns) {
            if (!QFontDatabase::hasFamily(family))
                QFont::insertSubstitutions(family, standIns);
        };
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

} // namespace HelpFonts
