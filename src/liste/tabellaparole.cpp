#include "liste/tabellaparole.h"

#include "core/applicationfolder.h"
#include "core/logging.h"
#include "core/modulo1.h"
#include "core/servizi.h"
#include "liste/lettorecampi.h"

#include <QFile>
#include <QFileInfo>

QString ErroreLista::descrizione() const {
    QString testo = QStringLiteral("Lista di parole \"%1\"").arg(QFileInfo(file).fileName());
    if (parola > 0)
        testo += QStringLiteral(", parola numero %1").arg(parola);
    return testo + QStringLiteral(": ") + dettaglio + QStringLiteral("\n(%1)").arg(file);
}

TabellaParole::TabellaParole(int sillabePerParola)
    : m_sillabe(sillabePerParola) {
    Q_ASSERT(sillabePerParola >= 1);
}

const QString &TabellaParole::operator()(int riga, int colonna) const {
    Q_ASSERT(riga >= 1 && riga <= numeroRighe());
    Q_ASSERT(colonna >= 1 && colonna <= m_sillabe);
    return m_celle[(riga - 1) * m_sillabe + (colonna - 1)];
}

QString TabellaParole::parola(int riga) const {
    QString testo;
    for (int colonna = 1; colonna <= m_sillabe; ++colonna)
        testo += (*this)(riga, colonna);
    return testo;
}

void TabellaParole::aggiungi(const QStringList &sillabe) {
    Q_ASSERT(sillabe.size() == m_sillabe);
    for (const QString &sillaba : sillabe)
        m_celle.append(sillaba);
}

QString problemaSillaba(const QString &sillaba) {
    if (sillaba.contains(QLatin1String("..")))
        return QStringLiteral("contiene \"..\"");
    for (QChar c : sillaba) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            return QStringLiteral("contiene un carattere di controllo");
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return QStringLiteral("contiene un separatore di cartelle (%1)").arg(c);
        if (QStringLiteral(":*?\"<>|").contains(c))
            return QStringLiteral("contiene il carattere %1, che non può stare nel nome di un file")
                .arg(c);
    }
    return {};
}

RisultatoLettura leggiListaParole(const QString &percorso, int sillabePerParola) {
    RisultatoLettura risultato{TabellaParole(sillabePerParola), std::nullopt};
    auto errore = [&](ErroreLista::Tipo tipo, int parola, const QString &dettaglio) {
        risultato.errore = ErroreLista{tipo, percorso, parola, dettaglio};
        risultato.tabella = TabellaParole(sillabePerParola);
        qCWarning(lcDati).noquote() << risultato.errore->descrizione();
        return risultato;
    };

    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return errore(ErroreLista::Tipo::FileMancante, 0,
                      QStringLiteral("il file non c'è o non si può leggere."));

    LettoreCampi lettore(decodificaTestoLista(file.readAll()));
    int numero = 0;
    while (!lettore.fine()) {
        ++numero;
        if (numero > MassimoParole)
            return errore(
                ErroreLista::Tipo::TroppeParole, numero,
                QStringLiteral("una lista può contenere al massimo %1 parole.").arg(MassimoParole));
        QStringList sillabe;
        for (int colonna = 1; colonna <= sillabePerParola; ++colonna) {
            QString campo;
            const LettoreCampi::Esito esito = lettore.leggi(campo);
            if (esito == LettoreCampi::Esito::VirgoletteAperte)
                return errore(ErroreLista::Tipo::ParolaIncompleta, numero,
                              QStringLiteral("una sillaba apre le virgolette e non le chiude."));
            if (esito == LettoreCampi::Esito::FineTesto)
                return errore(
                    ErroreLista::Tipo::ParolaIncompleta, numero,
                    QStringLiteral("il file finisce a metà della parola: ogni parola deve avere "
                                   "%1 sillabe.")
                        .arg(sillabePerParola));
            const QString problema = problemaSillaba(campo);
            if (!problema.isEmpty())
                return errore(ErroreLista::Tipo::SillabaNonValida, numero,
                              QStringLiteral("la sillaba \"%1\" %2.")
                                  .arg(campo.left(40).simplified(), problema));
            sillabe.append(campo);
        }
        risultato.tabella.aggiungi(sillabe);
    }
    return risultato;
}

QString percorsoListaParole(const QString &suffisso) {
    const QString codice = Modulo1::ElencoListe[Modulo1::ListaScelta][Modulo1::ColonnaCodice];
    return percorsoDati(servizi().cartellaApplicazione, {CartelleDati::Liste, codice + suffisso});
}

std::optional<ErroreLista> CaricaParole(TabellaParole &Parole, const QString &suffisso) {
    RisultatoLettura letto =
        leggiListaParole(percorsoListaParole(suffisso), Parole.sillabePerParola());
    if (letto.errore)
        return letto.errore;
    Parole = std::move(letto.tabella);
    Modulo1::NumeroParole = qint16(Parole.numeroRighe());
    return std::nullopt;
}
