#include "editor/avvisifigure.h"

#include "editor/modelloliste.h"

#include <QCryptographicHash>
#include <QFileInfo>

QStringList AvvisiFigure::senzaFigura(const ModelloListe &modello) {
    QStringList senza;
    for (const QStringList &sillabe : modello.paroleNuove()) {
        const QString parola = sillabe.join(QString());
        if (!modello.figuraNuova(parola) && !QFileInfo::exists(modello.percorsoFigura(parola)))
            senza << sillabe.join(QLatin1Char('-'));
    }
    senza.sort();
    return senza;
}

QStringList AvvisiFigure::condivise(const ModelloListe &modello) {
    QHash<QByteArray, QStringList> perContenuto;
    for (auto it = modello.figureNuove().cbegin(); it != modello.figureNuove().cend(); ++it)
        perContenuto[QCryptographicHash::hash(QByteArrayView(it->constBits(), it->sizeInBytes()),
                                              QCryptographicHash::Sha256)]
            << it.key();
    QStringList gruppi;
    for (QStringList parole : std::as_const(perContenuto)) {
        if (parole.size() < 2)
            continue;
        parole.sort();
        gruppi << parole.join(QStringLiteral(" e "));
    }
    gruppi.sort();
    return gruppi;
}

QString AvvisiFigure::avviso(const ModelloListe &modello) {
    QStringList avvisi;
    if (const QStringList senza = senzaFigura(modello); !senza.isEmpty())
        avvisi << QStringLiteral("Senza figura (il gioco mostra un riquadro vuoto): %1.")
                      .arg(senza.join(QStringLiteral(", ")));
    if (const QStringList stesse = condivise(modello); !stesse.isEmpty())
        avvisi
            << QStringLiteral("Con la stessa figura: %1.").arg(stesse.join(QStringLiteral("; ")));
    if (avvisi.isEmpty())
        return QString();
    return avvisi.join(QLatin1Char('\n')) + QStringLiteral("\n\nSalvo lo stesso?");
}
