#include "editor/modelloliste.h"

#include "core/applicationfolder.h"
#include "core/lettorefigura.h"
#include "core/letturadati.h"
#include "core/limitefigure.h"
#include "core/modulo1.h"
#include "editor/adattatorefigura.h"
#include "editor/fusioneliste.h"
#include "editor/improntafile.h"
#include "editor/scrittorelista.h"
#include "core/transazionefile.h"
#include "liste/chiaveparola.h"
#include "liste/lettorelista.h"
#include "liste/problemasillaba.h"
#include "liste/regolelista.h"
#include "liste/tipofilelista.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {

QString unita(const QStringList &sillabe) {
    return sillabe.join(QString());
}

QString nomeFile(const QString &k) {
    return k + QStringLiteral(".txt");
}

} // namespace

QStringList ModelloListe::codici() {
    Modulo1::RiempiElencoListe();
    QStringList tutti;
    for (int riga = 0; riga < Modulo1::NumeroListe; ++riga)
        tutti << Modulo1::ElencoListe[riga][Modulo1::ColonnaCodice];
    return tutti;
}

int ModelloListe::sillabePerParola(const QString &cifra) {
    const std::optional<TipoFileLista> tipo = TipoFileLista::daCifra(cifra);
    return tipo ? tipo->sillabePerParola() : 2;
}

QString ModelloListe::chiave(const QString &codice, const QString &cifra) {
    return codice + cifra;
}

ModelloListe::ModelloListe(RisolutoreDati dati)
    : m_dati(std::move(dati)) {
    for (const QString &codice : codici())
        for (const TipoFileLista &tipo : TipoFileLista::tutti())
            leggi(chiave(codice, tipo.cifra()));
}

void ModelloListe::leggi(const QString &k) {
    const QString percorso = m_dati.percorso(CartelleDati::Liste, nomeFile(k));
    const int n = sillabePerParola(k.right(1));
    QVector<QStringList> parole;
    m_errori.remove(k);
    m_impronte.insert(k, ImprontaFile::di(percorso));
    if (QFileInfo::exists(percorso)) {
        const RisultatoLettura letto = leggiListaParole(percorso, n);
        if (letto.errore)
            m_errori.insert(k, *letto.errore);
        parole = paroleTabella(letto.tabella, n);
    }
    m_file.insert(k, parole);
    m_letti.insert(k, parole);
}

QStringList ModelloListe::illeggibili() const {
    QStringList nomi;
    for (auto it = m_errori.cbegin(); it != m_errori.cend(); ++it)
        nomi << nomeFile(it.key());
    nomi.sort();
    return nomi;
}

std::optional<ErroreLista> ModelloListe::errore(const QString &nome) const {
    const auto it = m_errori.constFind(QFileInfo(nome).completeBaseName());
    if (it == m_errori.cend())
        return std::nullopt;
    return *it;
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

QString ModelloListe::rifiutoFile(const QString &k) const {
    if (const auto errore = m_errori.constFind(k); errore != m_errori.cend())
        return QStringLiteral("%1 va riparato: %2").arg(nomeFile(k), errore->dettaglio);
    return QString();
}

void ModelloListe::aggiungiA(const QString &k, const QStringList &sillabe) {
    QVector<QStringList> &file = m_file[k];
    for (const QStringList &presente : file)
        if (chiaveParola(unita(presente)) == chiaveParola(unita(sillabe)))
            return;
    file << sillabe;
    m_modificati.insert(k);
}

ModelloListe::Destinazione ModelloListe::aggiungi(const QStringList &sillabe) {
    return sostituisci(QString(), sillabe);
}

ModelloListe::Destinazione ModelloListe::sostituisci(const QString &vecchia,
                                                     const QStringList &sillabe) {
    Destinazione d = destinazione(sillabe);
    if (!d.valida())
        return d;
    const QString vecchiaChiave = chiaveParola(vecchia);
    auto eLaVecchia = [&](const QStringList &s) {
        return !vecchia.isEmpty() && chiaveParola(unita(s)) == vecchiaChiave;
    };
    // All or none: TUTTE must stay the union of the lists, so a full file refuses the word.
    for (const QString &codice : d.codici) {
        const QVector<QStringList> &file = m_file.value(chiave(codice, d.cifra));
        if (file.size() >= MassimoParole && std::none_of(file.cbegin(), file.cend(), eLaVecchia)) {
            d.rifiuto = QStringLiteral("%1 ha già %2 parole, il massimo che il gioco legge.")
                            .arg(nomeFile(chiave(codice, d.cifra)))
                            .arg(MassimoParole);
            d.codici.clear();
            return d;
        }
    }
    QSet<QString> messe;
    for (auto it = m_file.begin(); it != m_file.end() && !vecchia.isEmpty(); ++it) {
        const bool vuole = it.key().endsWith(d.cifra) && d.codici.contains(it.key().chopped(1));
        for (int i = 0; i < it->size(); ++i) {
            if (!eLaVecchia(it->at(i)))
                continue;
            if (vuole && !messe.contains(it.key())) {
                (*it)[i] = sillabe;
                messe.insert(it.key());
            } else {
                it->remove(i--);
            }
            m_modificati.insert(it.key());
        }
    }
    QStringList prese;
    for (const QString &codice : d.codici) {
        const QString k = chiave(codice, d.cifra);
        if (const QString rifiuto = rifiutoFile(k); !rifiuto.isEmpty()) {
            d.escluse << rifiuto;
            continue;
        }
        if (!messe.contains(k))
            aggiungiA(k, sillabe);
        prese << codice;
    }
    d.codici = prese;
    if (!vecchia.isEmpty() && m_figureNuove.contains(vecchiaChiave)) {
        m_figureNuove.insert(chiaveParola(unita(sillabe)), m_figureNuove.take(vecchiaChiave));
        m_miniature.dimentica(chiaveParola(unita(sillabe)));
    }
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
    m_miniature.dimentica(chiaveParola(parola));
    return dove;
}

int ModelloListe::ricostruisciTutte(QString *motivo) {
    const QString tutte = QStringLiteral("TUTTE");
    QHash<QString, QVector<QStringList>> nuove;
    int cambiate = 0;
    for (const TipoFileLista &tipo : TipoFileLista::tutti()) {
        const QString cifra = tipo.cifra();
        QSet<QString> viste;
        QVector<QStringList> unione;
        for (const QString &codice : codici().mid(1)) {
            for (const QStringList &sillabe : parole(codice, cifra)) {
                const QString k = chiaveParola(unita(sillabe));
                if (!viste.contains(k)) {
                    viste.insert(k);
                    unione << sillabe;
                }
            }
        }
        // TUTTE keeps its order; new words go at the end, words no list holds leave.
        QVector<QStringList> nuova;
        QSet<QString> messe;
        int cambiateQui = 0;
        for (const QStringList &sillabe : parole(tutte, cifra)) {
            const QString k = chiaveParola(unita(sillabe));
            if (viste.contains(k) && !messe.contains(k)) {
                nuova << sillabe;
                messe.insert(k);
            } else {
                ++cambiateQui;
            }
        }
        for (const QStringList &sillabe : unione) {
            if (!messe.contains(chiaveParola(unita(sillabe)))) {
                nuova << sillabe;
                ++cambiateQui;
            }
        }
        const QString k = chiave(tutte, cifra);
        if (nuova == parole(tutte, cifra))
            continue;
        QString rifiuto = rifiutoFile(k);
        if (rifiuto.isEmpty() && nuova.size() > MassimoParole)
            rifiuto = QStringLiteral("%1 avrebbe %2 parole, più delle %3 che il gioco legge")
                          .arg(nomeFile(k))
                          .arg(nuova.size())
                          .arg(MassimoParole);
        if (!rifiuto.isEmpty()) {
            if (motivo)
                *motivo = rifiuto;
            return -1;
        }
        nuove.insert(k, nuova);
        cambiate += cambiateQui;
    }
    for (auto it = nuove.cbegin(); it != nuove.cend(); ++it) {
        m_file[it.key()] = it.value();
        m_modificati.insert(it.key());
    }
    return cambiate;
}

void ModelloListe::ripara(const QString &nome, const QVector<QStringList> &parole) {
    const QString k = QFileInfo(nome).completeBaseName();
    m_errori.remove(k);
    m_file[k] = parole;
    m_modificati.insert(k);
}

void ModelloListe::ripristina(const Stato &stato) {
    m_file = stato.file;
    m_miniature.dimenticaDiverse(m_figureNuove, stato.figure);
    m_figureNuove = stato.figure;
    m_modificati.clear();
    for (auto it = m_file.cbegin(); it != m_file.cend(); ++it)
        if (it.value() != m_letti.value(it.key()))
            m_modificati.insert(it.key());
}

QVector<QStringList> ModelloListe::paroleNuove() const {
    QVector<QStringList> nuove;
    QSet<QString> viste;
    for (auto it = m_file.cbegin(); it != m_file.cend(); ++it) {
        const QVector<QStringList> &lette = m_letti.value(it.key());
        for (const QStringList &sillabe : it.value()) {
            const QString k = chiaveParola(unita(sillabe));
            if (!lette.contains(sillabe) && !viste.contains(k)) {
                viste.insert(k);
                nuove << sillabe;
            }
        }
    }
    return nuove;
}

void ModelloListe::impostaFigura(const QString &parola, const QImage &figura) {
    m_figureNuove.insert(chiaveParola(parola), figura);
    m_miniature.dimentica(chiaveParola(parola));
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

QStringList ModelloListe::cambiatiFuori() const {
    QStringList nomi;
    for (auto it = m_impronte.cbegin(); it != m_impronte.cend(); ++it)
        if (ImprontaFile::di(m_dati.percorso(CartelleDati::Liste, nomeFile(it.key()))) !=
            it.value())
            nomi << nomeFile(it.key());
    nomi.sort();
    return nomi;
}

QStringList ModelloListe::unisciCambiatiFuori() {
    QStringList resoconto;
    m_miniature.dimenticaTutte(); // whoever changed the lists may have changed pictures too
    for (const QString &nome : cambiatiFuori()) {
        const QString k = QFileInfo(nome).completeBaseName();
        const QVector<QStringList> letta = m_letti.value(k);
        const QVector<QStringList> mia = m_file.value(k);
        leggi(k);
        if (letta == mia) {
            resoconto << QStringLiteral("%1: cambiato da fuori, riletto.").arg(nome);
            continue;
        }
        if (const QString rifiuto = rifiutoFile(k); !rifiuto.isEmpty()) {
            resoconto << QStringLiteral("%1: cambiato da fuori e ora il gioco non lo legge; le "
                                        "tue modifiche a questo file non si possono rimettere.")
                             .arg(nome);
            continue;
        }
        const FusioneLista fusione = fondiLista(letta, mia, m_file.value(k), MassimoParole);
        m_file[k] = fusione.parole;
        if (fusione.parole != m_letti.value(k))
            m_modificati.insert(k);
        else
            m_modificati.remove(k);
        resoconto << QStringLiteral("%1: cambiato da fuori; %2").arg(nome, fusione.descrizione());
    }
    return resoconto;
}

QString ModelloListe::salva(const QString &cartella) {
    if (const QStringList cambiati = cambiatiFuori(); !cambiati.isEmpty())
        return QStringLiteral("Non ho salvato niente: %1 è cambiato da quando l'ho letto.")
            .arg(cambiati.join(QStringLiteral(", ")));
    const QDir radice(cartella);
    for (const QString &sotto : {CartelleDati::Liste, CartelleDati::Immagini})
        if (!radice.mkpath(sotto))
            return QStringLiteral("Non ho salvato niente: non posso creare la cartella %1.")
                .arg(QDir::toNativeSeparators(radice.filePath(sotto)));

    // Pictures first: a list saved without the picture it names would show an empty frame.
    TransazioneFile transazione;
    for (auto it = m_figureNuove.cbegin(); it != m_figureNuove.cend(); ++it) {
        const QByteArray jpeg = AdattatoreFigura::jpeg(*it);
        const QSize misura = it->size();
        transazione.aggiungi(
            percorsoDati(cartella, {CartelleDati::Immagini, it.key() + QStringLiteral(".jpg")}),
            jpeg, [misura](const QString &scritto) {
                QImageReader lettore(scritto, "JPG");
                return lettore.size() == misura
                           ? QString()
                           : QStringLiteral("la figura scritta non si rilegge intera");
            });
    }
    QStringList modificati(m_modificati.cbegin(), m_modificati.cend());
    modificati.sort();
    for (const QString &k : modificati) {
        if (const QString rifiuto = rifiutoFile(k); !rifiuto.isEmpty())
            return QStringLiteral("Non ho salvato niente: %1.").arg(rifiuto);
        const QVector<QStringList> parole = m_file.value(k);
        const int n = sillabePerParola(k.right(1));
        // An existing file in another letter case is replaced, not doubled.
        transazione.aggiungi(percorsoDati(cartella, {CartelleDati::Liste, nomeFile(k)}),
                             testoListaParole(parole), [parole, n](const QString &scritto) {
                                 return problemaListaScritta(scritto, parole, n);
                             });
    }
    if (!transazione.esegui())
        return QStringLiteral("Non ho salvato niente. %1 Le modifiche sono ancora qui.")
            .arg(transazione.errore());
    for (const QString &k : modificati)
        leggi(k);
    m_modificati.clear();
    for (auto it = m_figureNuove.cbegin(); it != m_figureNuove.cend(); ++it)
        m_miniature.dimentica(it.key()); // now read from disk, and checked there
    m_figureNuove.clear();
    return QString();
}
