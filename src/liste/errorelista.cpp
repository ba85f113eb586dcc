#include "liste/errorelista.h"

#include <QFileInfo>

QString ErroreLista::descrizione() const {
    QString testo = QStringLiteral("Lista di parole \"%1\"").arg(QFileInfo(file).fileName());
    if (parola > 0)
        testo += QStringLiteral(", parola numero %1").arg(parola);
    return testo + QStringLiteral(": ") + dettaglio + QStringLiteral("\n(%1)").arg(file);
}
