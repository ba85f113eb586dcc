#include "liste/controlliverifica.h"

#include "core/applicationfolder.h"
#include "core/infowav.h"
#include "core/letturadati.h"
#include "core/modulo1.h"
#include "liste/chiaveparola.h"
#include "liste/lettorelista.h"
#include "liste/regolelista.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

using Tipo = ProblemaVerifica::Tipo;

// A picture larger than this is no picture a teacher made for the game.
constexpr qint64 MassimiByteFiguraDaConfrontare = 64 * 1024 * 1024;

} // namespace

ProblemaVerifica problemaVerifica(Tipo tipo, const QString &messaggio, bool forse) {
    ProblemaVerifica p;
    p.tipo = tipo;
    p.messaggio = messaggio;
    p.forse = forse;
    return p;
}

QString divisa(const QStringList &sillabe) {
    return sillabe.join(QLatin1Char('-'));
}

QStringList FileVerificato::sillabe(int riga) const {
    QStringList s;
    for (int colonna = 1; colonna <= tabella.sillabePerParola(); ++colonna)
        s << tabella(riga, colonna);
    return s;
}

ControlliVerifica::ControlliVerifica(const RisolutoreDati &dati)
    : m_dati(dati) {}

void ControlliVerifica::segnala(ProblemaVerifica p, const QString &file, int parola) {
    p.file = file;
    p.parola = parola;
    m_esito.problemi << p;
}

const FileVerificato *ControlliVerifica::cerca(const QString &codice,
                                               const TipoFileLista &tipo) const {
    for (const FileVerificato &f : m_file)
        if (f.codice == codice && f.tipo == tipo)
            return &f;
    return nullptr;
}

void ControlliVerifica::leggiFile() {
    Modulo1::RiempiElencoListe();
    for (int riga = 0; riga < Modulo1::NumeroListe; ++riga) {
        for (const TipoFileLista &tipo : TipoFileLista::tutti()) {
            FileVerificato f;
            f.codice = Modulo1::ElencoListe[riga][Modulo1::ColonnaCodice];
            f.tipo = tipo;
            f.percorso = m_dati.percorso(CartelleDati::Liste, f.nome());
            RisultatoLettura letto = leggiListaParole(f.percorso, tipo.sillabePerParola());
            f.tabella = std::move(letto.tabella);
            f.letto = !letto.errore;
            if (letto.errore)
                segnala(problemaVerifica(Tipo::Lettura, letto.errore->dettaglio), f.percorso,
                        letto.errore->parola);
            m_file << f;
        }
    }
    m_esito.file = int(m_file.size());
}

void ControlliVerifica::controllaParole() {
    struct PrimaVolta {
        QString divisione;
        QString file;
        int riga;
    };
    QHash<QString, PrimaVolta> parole;        // word → where it first appeared
    QHash<QByteArray, QString> figurePerFile; // picture's bytes → its word
    for (const FileVerificato &f : std::as_const(m_file)) {
        QHash<QString, int> nelFile;
        for (int riga = 1; riga <= f.tabella.numeroRighe(); ++riga) {
            ++m_esito.parole;
            const QStringList sillabe = f.sillabe(riga);
            const QString parola = sillabe.join(QString());
            const QString k = chiaveParola(parola);
            m_parole.insert(k);
            for (const ProblemaVerifica &p :
                 Verificatore::problemiParola(f.codice, f.tipo.cifra(), sillabe))
                segnala(p, f.percorso, riga);
            if (nelFile.contains(k)) {
                segnala(problemaVerifica(Tipo::Doppione,
                                         QStringLiteral("\"%1\" c'è già, alla parola %2")
                                             .arg(divisa(sillabe))
                                             .arg(nelFile.value(k))),
                        f.percorso, riga);
                continue;
            }
            nelFile.insert(k, riga);

            if (parole.contains(k)) {
                const PrimaVolta &prima = parole[k];
                if (chiaveParola(divisa(sillabe)) != chiaveParola(prima.divisione))
                    segnala(
                        problemaVerifica(Tipo::Doppione,
                                         QStringLiteral("\"%1\" è divisa \"%2\" in %3 (parola %4): "
                                                        "una parola ha una sola divisione e una "
                                                        "sola figura")
                                             .arg(divisa(sillabe), prima.divisione,
                                                  QFileInfo(prima.file).fileName())
                                             .arg(prima.riga)),
                        f.percorso, riga);
                continue;
            }
            parole.insert(k, {divisa(sillabe), f.percorso, riga});

            const QString figura =
                m_dati.percorso(CartelleDati::Immagini, parola + QStringLiteral(".jpg"));
            const QVector<ProblemaVerifica> problemiFigura =
                Verificatore::problemiFigura(figura, int(sillabe.size()));
            for (const ProblemaVerifica &p : problemiFigura)
                segnala(p, f.percorso, riga);
            if (!problemiFigura.isEmpty() && problemiFigura.first().tipo != Tipo::FiguraDeformata)
                continue;
            const LetturaDati contenuto = leggiFileDati(figura, MassimiByteFiguraDaConfrontare);
            if (!contenuto.letto())
                continue;
            const QByteArray impronta =
                QCryptographicHash::hash(contenuto.byte, QCryptographicHash::Sha1);
            if (figurePerFile.contains(impronta))
                segnala(problemaVerifica(Tipo::FiguraCondivisa,
                                         QStringLiteral("la figura di \"%1\" è la stessa di "
                                                        "\"%2\": un bambino che ha imparato una "
                                                        "parola non deve trovarla sotto un'altra")
                                             .arg(parola, figurePerFile.value(impronta))),
                        f.percorso, riga);
            else
                figurePerFile.insert(impronta, parola);
        }
    }
}

void ControlliVerifica::controllaFigureInutili() {
    // A picture a teacher added but no list names is usually a word misspelt on one side.
    const QStringList nomiFigure = m_dati.nomiFile(CartelleDati::Immagini);
    m_esito.figure = int(nomiFigure.size());
    for (const QString &nome : nomiFigure) {
        const QString base = QFileInfo(nome).completeBaseName();
        const bool usata = nome.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) &&
                           m_parole.contains(chiaveParola(base));
        // Bundled pictures a teacher's own lists leave out are not the teacher's to remove.
        const bool nostra =
            m_dati.cartellaUtente().isEmpty() || m_dati.dallUtente(CartelleDati::Immagini, nome);
        if (!usata && nostra)
            segnala(problemaVerifica(Tipo::FiguraInutile,
                                     QStringLiteral("nessuna lista usa la figura %1").arg(nome)),
                    m_dati.percorso(CartelleDati::Immagini, nome), 0);
    }
}

void ControlliVerifica::controllaFileInutilizzabili() {
    for (const QString &cartella :
         {CartelleDati::Liste, CartelleDati::Immagini, CartelleDati::Suoni}) {
        for (const QString &nome : m_dati.nomiInutilizzabili(cartella))
            segnala(problemaVerifica(Tipo::FileInutilizzabile,
                                     QStringLiteral("il tuo file %1 non si può usare (%2): il "
                                                    "gioco usa al suo posto quello che ha con sé")
                                         .arg(nome, m_dati.motivoInutilizzabile(cartella, nome))),
                    percorsoDati(m_dati.cartellaUtente(), {cartella, nome}), 0);
    }
}

void ControlliVerifica::controllaFileCorti() {
    // The game opens an exercise on the difficult file when the easy one is too short, so a
    // short file is a problem only when neither can fill the exercise.
    for (const FileVerificato &f : std::as_const(m_file)) {
        const int servono = f.tipo.paroleNellEsercizio();
        const FileVerificato *compagna = cerca(f.codice, f.tipo.compagno());
        const bool compagnaBasta =
            compagna && compagna->letto && compagna->tabella.paroleDiverse() >= servono;
        if (f.letto && f.tabella.paroleDiverse() < servono && !compagnaBasta)
            segnala(problemaVerifica(Tipo::PocheParole,
                                     QStringLiteral("ha %1 parole diverse, ma un esercizio ne "
                                                    "mostra %2 e nemmeno %3 ne ha abbastanza")
                                         .arg(f.tabella.paroleDiverse())
                                         .arg(servono)
                                         .arg(compagna ? compagna->nome() : QString())),
                    f.percorso, 0);
    }
}

void ControlliVerifica::controllaTutte() {
    // TUTTE is every word of the other lists, and every list holds all of TUTTE's words that
    // belong to it.
    for (const TipoFileLista &tipo : TipoFileLista::tutti()) {
        const FileVerificato *tutte = cerca(QStringLiteral("TUTTE"), tipo);
        if (tutte && tutte->letto)
            controllaUnione(*tutte);
    }
}

void ControlliVerifica::controllaUnione(const FileVerificato &tutte) {
    QHash<QString, int> rigaInTutte;
    QSet<QString> giaDetti; // a word missing from TUTTE is said once, not once per list
    for (int riga = 1; riga <= tutte.tabella.numeroRighe(); ++riga)
        rigaInTutte.insert(chiaveParola(divisa(tutte.sillabe(riga))), riga);
    for (const FileVerificato &f : std::as_const(m_file)) {
        if (f.tipo != tutte.tipo || f.codice == tutte.codice || !f.letto)
            continue;
        QSet<QString> presenti;
        for (int riga = 1; riga <= f.tabella.numeroRighe(); ++riga) {
            const QString scritta = divisa(f.sillabe(riga));
            const QString k = chiaveParola(scritta);
            presenti.insert(k);
            if (!rigaInTutte.contains(k) && !giaDetti.contains(k)) {
                giaDetti.insert(k);
                segnala(problemaVerifica(Tipo::TutteNonUnione,
                                         QStringLiteral("manca \"%1\", che è in %2 (parola %3)")
                                             .arg(scritta, f.nome())
                                             .arg(riga)),
                        tutte.percorso, 0);
            }
        }
        for (int riga = 1; riga <= tutte.tabella.numeroRighe(); ++riga) {
            const QStringList sillabe = tutte.sillabe(riga);
            if (RegoleLista::appartieneALista(f.codice, sillabe) &&
                !presenti.contains(chiaveParola(divisa(sillabe))))
                segnala(problemaVerifica(Tipo::Appartenenza,
                                         QStringLiteral("manca \"%1\", che appartiene a questa "
                                                        "lista (è in %2, parola %3)")
                                             .arg(divisa(sillabe), tutte.nome())
                                             .arg(riga)),
                        f.percorso, 0);
        }
    }
    for (int riga = 1; riga <= tutte.tabella.numeroRighe(); ++riga) {
        const QStringList sillabe = tutte.sillabe(riga);
        bool inUnaLista = false;
        for (int l = 1; l < Modulo1::NumeroListe && !inUnaLista; ++l)
            inUnaLista = RegoleLista::appartieneALista(
                Modulo1::ElencoListe[l][Modulo1::ColonnaCodice], sillabe);
        if (!inUnaLista)
            segnala(problemaVerifica(Tipo::TutteNonUnione,
                                     QStringLiteral("\"%1\" non appartiene a nessun'altra lista: "
                                                    "nessun bambino la troverebbe fuori da TUTTE")
                                         .arg(divisa(sillabe))),
                    tutte.percorso, riga);
    }
}

void ControlliVerifica::controllaSuoni() {
    for (const char *nome : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"}) {
        const QString suono = QString::fromLatin1(nome);
        const QString percorso = m_dati.percorso(CartelleDati::Suoni, suono);
        if (leggiInfoWav(percorso).valido)
            continue;
        LetturaDati lettura;
        lettura.esito = esaminaFileDati(percorso, std::numeric_limits<qint64>::max() / 2);
        QString messaggio;
        if (lettura.esito == LetturaDati::Esito::Mancante)
            messaggio = QStringLiteral("manca il suono %1 nella cartella %2")
                            .arg(suono, CartelleDati::Suoni);
        else if (lettura.letto())
            messaggio =
                QStringLiteral("il suono %1 non è un file WAV che il gioco sa suonare").arg(suono);
        else
            messaggio =
                QStringLiteral("il suono %1 non si può usare: %2").arg(suono, lettura.motivo());
        segnala(problemaVerifica(Tipo::Suono, messaggio), percorso, 0);
    }
}

Verificatore::Esito ControlliVerifica::esito() const {
    Verificatore::Esito esito = m_esito;
    std::stable_sort(esito.problemi.begin(), esito.problemi.end(),
                     [](const ProblemaVerifica &a, const ProblemaVerifica &b) {
                         return a.file != b.file ? a.file < b.file : a.parola < b.parola;
                     });
    return esito;
}
