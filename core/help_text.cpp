#include "core/help_text.h"

#include <QStringList>

namespace kivra {

QString HelpWindowText(const QString& manualPage) {
    // The translated pages name these sections as the manual pages of their language do.
    static const QStringList manualOnly{
        QStringLiteral("NAME"),        QStringLiteral("SYNOPSIS"),
        QStringLiteral("OPTIONS"),     QStringLiteral("EXIT STATUS"),
        QStringLiteral("BEZEICHNUNG"), QStringLiteral("ÜBERSICHT"),
        QStringLiteral("OPTIONEN"),    QStringLiteral("EXIT-STATUS"),
        QStringLiteral("NOM"),         QStringLiteral("CODE DE RETOUR"),
        QStringLiteral("NOMBRE"),      QStringLiteral("SINOPSIS"),
        QStringLiteral("OPCIONES"),    QStringLiteral("ESTADO DE SALIDA")};
    QStringList kept;
    bool inTitle = true;
    bool skipping = false;
    for (const QString& line : manualPage.split(QLatin1Char('\n'))) {
        if (inTitle && line.startsWith(QLatin1Char('%'))) continue;
        inTitle = false;
        if (line.startsWith(QLatin1String("## ")))
            skipping = manualOnly.contains(line.mid(3).trimmed());
        if (!skipping) kept.append(line);
    }
    return kept.join(QLatin1Char('\n')).trimmed() + QLatin1Char('\n');
}

}  // namespace kivra
