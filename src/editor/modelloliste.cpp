#include "editor/modelloliste.h"

#include "liste/chiaveparola.h"

#include "core/applicationfolder.h"
#include "core/lettorefigura.h"
#include "core/limitefigure.h"
#include "core/modulo1.h"
#include "editor/adattatorefigura.h"
#include "editor/scrittorelista.h"
#include "liste/lettorelista.h"
#include "liste/problemasillaba.h"
#include "liste/regolelista.h"
#include "liste/sillabazione.h"
#include "liste/tipofilelista.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace {

QString unita(const QStringList &sillabe) {
    return sillabe.join(QString());
}

} // namespace

QStringList ModelloListe::codici() {
    Modulo1::RiempiElencoListe();
    QStringList tutti;
    for (int riga = 0; riga < Modulo1::NumeroListe; ++riga)
        tutti << Modulo1::ElencoListe[riga][Modulo1::ColonnaCodice];
    return tutti;
}

QString ModelloListe::chiave(const QString &codice, const QString &cifra) {
    return codice + cifra;
}

ModelloListe::ModelloListe(RisolutoreDati dati)
    : m_dati(std::move(dati)) {
    for (const QString &codice : codici()) {
        for (const TipoFileLista &tipo : TipoFileLista::tutti()) {
            const QString cifra = tipo.cifra();
            const QString nome = tipo.nomeFile(codice);
            const QString percorso = m_dati.percorso(CartelleDati::Liste, nome);
            const int n = tipo.sillabePerParola();
            QVector<QStringList> parole;
            if (QFileInfo::exists(percorso)) {
                const RisultatoLettura letto = leggiListaParole(percorso, n);
                if (letto.errore)
                    m_illeggibili << nome;
                for (int riga = 1; riga <= letto.tabella.numeroRighe(); ++riga) {
                    QStringList sillabe;
                    for (int colonna = 1; colonna <= n; ++colonna)
                        sillabe << letto.tabella(riga, colonna);
                    parole << sillabe;
                }
            }
            m_file.insert(chiave(codice, cifra), parole);
        }
    }
}

const QVector<QStringList> &ModelloListe::parole(const QString &codice,
                                                 const QString &cifra) const {
    static const QVector<QStringList> nessuna;
    const auto it = m_file.constFind(chiave(codice, cifra));
    return it == m_file.cend() ? nessuna : *it;
}

bool ModelloListe::contiene(const QString &parola) const {
    const QString cercata = chiaveParola(parola);
    for (const QVector<QStringList> &file : m_file)
        for (const QStringList &sillabe : file)
            if (chiaveParola(unita(sillabe)) == cercata)
                return true;
    return false;
}

ModelloListe::Destinazione ModelloListe::destinazione(const QStringList &sillabe) {
    Destinazione d;
    const QString parola = unita(sillabe);
    if (parola.isEmpty()) {
        d.rifiuto = QStringLiteral("Scrivi una parola.");
        return d;
    }
    if (const QString motivo = Sillabazione::motivoRifiuto(parola); !motivo.isEmpty()) {
        d.rifiuto = QStringLiteral("\"%1\" non va bene: %2.").arg(parola, motivo);
        return d;
    }
    for (const QString &s : sillabe) {
        const QString problema = problemaSillaba(s);
        if (!problema.isEmpty() || s.isEmpty()) {
            d.rifiuto = QStringLiteral("Una sillaba è vuota o non si può scrivere in una lista.");
            return d;
        }
    }
    // The game's reader would refuse the whole file for a word that cannot name its picture.
    if (const QString problema = problemaParola(parola); !problema.isEmpty()) {
        d.rifiuto = QStringLiteral("\"%1\" non si può usare: %2.").arg(parola, problema);
        return d;
    }
    if (sillabe.size() < 2) {
        d.rifiuto = QStringLiteral("\"%1\" ha una sillaba sola: il gioco unisce due o tre "
                                   "sillabe, quindi non si può giocare.")
                        .arg(parola);
        return d;
    }
    if (sillabe.size() > 3) {
        d.rifiuto = QStringLiteral("\"%1\" ha %2 sillabe: gli esercizi mostrano parole di due o "
                                   "tre sillabe.")
                        .arg(sillabe.join(QLatin1Char('-')))
                        .arg(sillabe.size());
        return d;
    }
    d.cifra = RegoleLista::cifraFile(RegoleLista::classificaParola(sillabe));
    for (const QString &codice : codici())
        if (RegoleLista::appartieneALista(codice, sillabe))
            d.codici << codice;
    return d;
}

void ModelloListe::aggiungiA(const QString &codice, const QString &cifra,
                             const QStringList &sillabe) {
    const QString nome = TipoFileLista::daCifra(cifra)->nomeFile(codice);
    if (m_illeggibili.contains(nome))
        return;
    QVector<QStringList> &file = m_file[chiave(codice, cifra)];
    for (const QStringList &presente : file)
        if (chiaveParola(unita(presente)) == chiaveParola(unita(sillabe)))
            return;
    file << sillabe;
    m_modificati.insert(chiave(codice, cifra));
}

ModelloListe::Destinazione ModelloListe::aggiungi(const QStringList &sillabe) {
    Destinazione d = destinazione(sillabe);
    if (!d.valida())
        return d;
    for (const QString &codice : d.codici)
        aggiungiA(codice, d.cifra, sillabe);
    return d;
}

QStringList ModelloListe::togli(const QString &parola) {
    QStringList dove;
    for (auto it = m_file.begin(); it != m_file.end(); ++it) {
        const qsizetype prima = it->size();
        it->erase(std::remove_if(it->begin(), it->end(),
                                 [&](const QStringList &sillabe) {
                                     return chiaveParola(unita(sillabe)) == chiaveParola(parola);
                                 }),
                  it->end());
        if (it->size() != prima) {
            m_modificati.insert(it.key());
            dove << it.key();
        }
    }
    m_figureNuove.remove(chiaveParola(parola));
    return dove;
}

ModelloListe::Importazione ModelloListe::importa(const QString &testo) {
    Importazione esito;
    for (QString riga : testo.split(QLatin1Char('\n'))) {
        riga = riga.trimmed().normalized(QString::NormalizationForm_C).toLower();
        if (riga.isEmpty())
            continue;
        // A line written divided ("ca-sa") is the teacher's own division: kept, and checked.
        const QString parola = QString(riga).remove(QLatin1Char('-'));
        if (const QString motivo = Sillabazione::motivoRifiuto(parola); !motivo.isEmpty()) {
            esito.rifiutate << QStringLiteral("%1: %2").arg(riga, motivo);
            continue;
        }
        Divisione divisione = Sillabazione::sillaba(parola);
        if (riga.contains(QLatin1Char('-'))) {
            const QStringList sue = riga.split(QLatin1Char('-'));
            if (sue != divisione.sillabe)
                esito.incerte << QStringLiteral("%1 (la divisione automatica è %2)")
                                     .arg(riga, Sillabazione::testo(divisione));
            divisione = {sue, false, {}};
        }
        const QString scritta = divisione.sillabe.join(QLatin1Char('-'));
        if (contiene(parola)) {
            esito.giaPresenti << scritta;
            continue;
        }
        const Destinazione d = aggiungi(divisione.sillabe);
        if (!d.valida()) {
            esito.rifiutate << QStringLiteral("%1: %2").arg(riga, d.rifiuto);
            continue;
        }
        esito.aggiunte << scritta;
        if (divisione.incerta)
            esito.incerte << Sillabazione::testo(divisione);
    }
    return esito;
}

int ModelloListe::ricostruisciTutte() {
    int cambiate = 0;
    for (const TipoFileLista &tipo : TipoFileLista::tutti()) {
        const QString cifra = tipo.cifra();
        QVector<QStringList> unione;
        QSet<QString> viste;
        for (const QString &codice : codici().mid(1)) {
            for (const QStringList &sillabe : parole(codice, cifra)) {
                const QString k = chiaveParola(sillabe.join(QLatin1Char('-')));
                if (!viste.contains(k)) {
                    viste.insert(k);
                    unione << sillabe;
                }
            }
        }
        // TUTTE keeps its order; new words go at the end, words no list holds leave.
        const QString tutte = QStringLiteral("TUTTE");
        QVector<QStringList> nuova;
        QSet<QString> messe;
        for (const QStringList &sillabe : parole(tutte, cifra)) {
            const QString k = chiaveParola(sillabe.join(QLatin1Char('-')));
            if (viste.contains(k) && !messe.contains(k)) {
                nuova << sillabe;
                messe.insert(k);
            } else {
                ++cambiate;
            }
        }
        for (const QStringList &sillabe : unione) {
            if (!messe.contains(chiaveParola(sillabe.join(QLatin1Char('-'))))) {
                nuova << sillabe;
                ++cambiate;
            }
        }
        if (nuova != parole(tutte, cifra) && !m_illeggibili.contains(tipo.nomeFile(tutte))) {
            m_file[chiave(tutte, cifra)] = nuova;
            m_modificati.insert(chiave(tutte, cifra));
        }
    }
    return cambiate;
}

void ModelloListe::impostaFigura(const QString &parola, const QImage &figura) {
    m_figureNuove.insert(chiaveParola(parola), figura);
}

bool ModelloListe::figuraNuova(const QString &parola) const {
    return m_figureNuove.contains(chiaveParola(parola));
}

QString ModelloListe::percorsoFigura(const QString &parola) const {
    return m_dati.percorso(CartelleDati::Immagini, parola + QStringLiteral(".jpg"));
}

QImage ModelloListe::figura(const QString &parola) const {
    const auto nuova = m_figureNuove.constFind(chiaveParola(parola));
    if (nuova != m_figureNuove.cend())
        return *nuova;
    LettoreFigura figura(percorsoFigura(parola), true);
    return leggiFiguraEntroLimite(figura.lettore());
}

QStringList ModelloListe::salva(const QString &cartella) {
    QStringList errori;
    const QDir radice(cartella);
    for (const QString &sotto : {CartelleDati::Liste, CartelleDati::Immagini})
        if (!radice.mkpath(sotto))
            errori << QStringLiteral("Non posso creare la cartella %1.")
                          .arg(QDir::toNativeSeparators(radice.filePath(sotto)));
    if (!errori.isEmpty())
        return errori;

    const QStringList modificati(m_modificati.begin(), m_modificati.end());
    for (const QString &k : modificati) {
        const QString nome = k + QStringLiteral(".txt");
        // An existing file in another letter case is replaced, not doubled.
        const QString percorso = percorsoDati(cartella, {CartelleDati::Liste, nome});
        QSaveFile file(percorso);
        if (!file.open(QIODevice::WriteOnly) || file.write(testoListaParole(m_file.value(k))) < 0 ||
            !file.commit()) {
            errori << QStringLiteral("Non ho potuto salvare %1: %2")
                          .arg(QDir::toNativeSeparators(percorso), file.errorString());
            continue;
        }
        m_modificati.remove(k);
    }
    const QStringList figure = m_figureNuove.keys();
    for (const QString &parola : figure) {
        const QString percorso =
            percorsoDati(cartella, {CartelleDati::Immagini, parola + QStringLiteral(".jpg")});
        if (!AdattatoreFigura::salva(m_figureNuove.value(parola), percorso)) {
            errori << QStringLiteral("Non ho potuto salvare la figura %1.")
                          .arg(QDir::toNativeSeparators(percorso));
            continue;
        }
        m_figureNuove.remove(parola);
    }
    return errori;
}
