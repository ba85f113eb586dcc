#include "liste/verificatore.h"

#include "core/applicationfolder.h"
#include "core/infowav.h"
#include "core/modulo1.h"
#include "liste/lettorelista.h"
#include "liste/regolelista.h"
#include "liste/sillabazione.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>

#include <algorithm>

namespace {

using Tipo = ProblemaVerifica::Tipo;

const QStringList Cifre{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                        QStringLiteral("5")};

int sillabeDellaCifra(const QString &cifra) {
    return cifra == QLatin1String("2") || cifra == QLatin1String("4") ? 2 : 3;
}

// The file of the other level for the same exercise: 2 ↔ 4, 3 ↔ 5.
QString cifraCompagna(const QString &cifra) {
    static const QHash<QString, QString> compagne{{QStringLiteral("2"), QStringLiteral("4")},
                                                  {QStringLiteral("4"), QStringLiteral("2")},
                                                  {QStringLiteral("3"), QStringLiteral("5")},
                                                  {QStringLiteral("5"), QStringLiteral("3")}};
    return compagne.value(cifra);
}

// Words are told apart without regard to letter case or how an accent was typed, as the game's
// picture lookup does.
QString chiave(const QString &testo) {
    return testo.normalized(QString::NormalizationForm_C).toLower();
}

QString divisa(const QStringList &sillabe) {
    return sillabe.join(QLatin1Char('-'));
}

QString didascalia(const QString &codice) {
    Modulo1::RiempiElencoListe();
    for (int riga = 0; riga < Modulo1::NumeroListe; ++riga)
        if (Modulo1::ElencoListe[riga][Modulo1::ColonnaCodice] == codice)
            return Modulo1::ElencoListe[riga][Modulo1::ColonnaCaption];
    return codice;
}

QString perche(const QString &codice) {
    const QString minuscolo = codice.toLower();
    if (minuscolo == QLatin1String("cq&qu"))
        return QStringLiteral("non contiene \"qu\"");
    if (minuscolo == QLatin1String("vocali"))
        return QStringLiteral("non comincia con una vocale");
    return QStringLiteral("nessuna sua sillaba comincia con \"%1\" seguita da una vocale")
        .arg(minuscolo.left(1));
}

// Where a division puts its boundaries, as letter positions in the word.
QSet<int> confini(const QStringList &sillabe) {
    QSet<int> posizioni;
    int posizione = 0;
    for (int i = 0; i + 1 < sillabe.size(); ++i) {
        posizione += int(sillabe[i].size());
        posizioni.insert(posizione);
    }
    return posizioni;
}

ProblemaVerifica problema(Tipo tipo, const QString &messaggio, bool forse = false) {
    ProblemaVerifica p;
    p.tipo = tipo;
    p.messaggio = messaggio;
    p.forse = forse;
    return p;
}

struct FileLista {
    QString codice;
    QString cifra;
    QString percorso;
    TabellaParole tabella;
    bool letto = false;

    QString nome() const { return codice + cifra + QStringLiteral(".txt"); }
    QStringList sillabe(int riga) const {
        QStringList s;
        for (int colonna = 1; colonna <= tabella.sillabePerParola(); ++colonna)
            s << tabella(riga, colonna);
        return s;
    }
};

} // namespace

QString ProblemaVerifica::riga(const QString &base) const {
    QString mostrato = QDir::fromNativeSeparators(file);
    if (!base.isEmpty()) {
        const QString relativo = QDir(base).relativeFilePath(mostrato);
        if (!relativo.startsWith(QLatin1String("..")))
            mostrato = relativo;
    }
    return QStringLiteral("%1:%2: %3%4")
        .arg(mostrato)
        .arg(parola)
        .arg(forse ? QStringLiteral("forse: ") : QString(), messaggio);
}

int Verificatore::Esito::certi() const {
    return int(std::count_if(problemi.begin(), problemi.end(),
                             [](const ProblemaVerifica &p) { return !p.forse; }));
}

QString Verificatore::Esito::riepilogo() const {
    const QString contati =
        QStringLiteral("%1 file, %2 parole, %3 figure").arg(file).arg(parole).arg(figure);
    if (problemi.isEmpty())
        return QStringLiteral("Nessun problema (%1).").arg(contati);
    const int numeroCerti = certi();
    const int dubbi = int(problemi.size()) - numeroCerti;
    const QString daCorreggere = numeroCerti == 1
                                     ? QStringLiteral("1 problema da correggere")
                                     : QStringLiteral("%1 problemi da correggere").arg(numeroCerti);
    if (dubbi == 0)
        return QStringLiteral("%1 (%2).").arg(daCorreggere, contati);
    const QString forse = dubbi == 1 ? QStringLiteral("1 dubbio (forse)")
                                     : QStringLiteral("%1 dubbi (forse)").arg(dubbi);
    return QStringLiteral("%1 e %2 (%3).").arg(daCorreggere, forse, contati);
}

Verificatore::Verificatore(RisolutoreDati dati)
    : m_dati(std::move(dati)) {}

QVector<ProblemaVerifica> Verificatore::problemiParola(const QString &codice, const QString &cifra,
                                                       const QStringList &sillabe) {
    QVector<ProblemaVerifica> problemi;
    const QString parola = sillabe.join(QString());
    const QString scritta = divisa(sillabe);

    if (parola != parola.toLower())
        problemi << problema(Tipo::Maiuscole,
                             QStringLiteral("\"%1\" ha lettere maiuscole: scrivi le sillabe in "
                                            "minuscolo, il gioco le mostra come sceglie il bambino")
                                 .arg(scritta));

    const Divisione automatica = Sillabazione::sillaba(parola);
    QStringList minuscole;
    for (const QString &s : sillabe)
        minuscole << s.toLower();
    QStringList automaticheMinuscole;
    for (const QString &s : automatica.sillabe)
        automaticheMinuscole << s.toLower();
    if (minuscole != automaticheMinuscole) {
        const QSet<int> diversi = confini(sillabe) - confini(automatica.sillabe);
        const QSet<int> mancanti = confini(automatica.sillabe) - confini(sillabe);
        const QSet<int> incerti(automatica.puntiIncerti.begin(), automatica.puntiIncerti.end());
        const bool forse =
            (automatica.incerta && (diversi + mancanti).subtract(incerti).isEmpty() &&
             !incerti.isEmpty()) ||
            Sillabazione::alternativaScolastica(sillabe, automatica.sillabe);
        problemi << problema(Tipo::Divisione,
                             QStringLiteral("\"%1\" è divisa in modo diverso dalla divisione "
                                            "automatica \"%2\"")
                                 .arg(scritta, Sillabazione::testo(automatica)),
                             forse);
    }

    const Classificazione classe = RegoleLista::classificaParola(sillabe);
    const QString giusta = RegoleLista::cifraFile(classe);
    if (giusta.isEmpty()) {
        problemi << problema(Tipo::Livello,
                             QStringLiteral("\"%1\" ha %2 sillabe: il gioco usa solo parole di due "
                                            "o tre sillabe")
                                 .arg(scritta)
                                 .arg(sillabe.size()));
    } else if (giusta != cifra) {
        QString motivo;
        if (classe.numeroSillabe != sillabeDellaCifra(cifra)) {
            motivo = QStringLiteral("ha %1 sillabe").arg(classe.numeroSillabe);
        } else if (classe.livello == Livello::Facile) {
            motivo = QStringLiteral("ha solo sillabe facili");
        } else {
            for (const QString &s : sillabe)
                if (motivo.isEmpty() &&
                    RegoleLista::classificaParola({s}).livello == Livello::Difficile)
                    motivo = QStringLiteral("ha la sillaba difficile \"%1\"").arg(s);
        }
        problemi << problema(Tipo::Livello,
                             QStringLiteral("\"%1\" %2: va nel file %3")
                                 .arg(scritta, motivo, codice + giusta + QStringLiteral(".txt")));
    }

    if (!RegoleLista::appartieneALista(codice, sillabe))
        problemi << problema(Tipo::Appartenenza,
                             QStringLiteral("\"%1\" non è una parola della lista \"%2\": %3")
                                 .arg(scritta, didascalia(codice), perche(codice)));
    return problemi;
}

QVector<ProblemaVerifica> Verificatore::problemiFigura(const QString &percorso, int numeroSillabe) {
    QVector<ProblemaVerifica> problemi;
    const QString nome = QFileInfo(percorso).fileName();
    if (!QFileInfo(percorso).isFile()) {
        problemi << problema(Tipo::FiguraMancante,
                             QStringLiteral("manca la figura %1 nella cartella %2")
                                 .arg(nome, CartelleDati::Immagini));
        return problemi;
    }
    QImageReader lettore(percorso);
    // The game shows a picture whatever format its content is in, like here.
    lettore.setDecideFormatFromContent(true);
    const QImage figura = lettore.read();
    if (figura.isNull()) {
        problemi << problema(Tipo::FiguraIlleggibile,
                             QStringLiteral("la figura %1 non si può leggere (%2)")
                                 .arg(nome, lettore.errorString()));
        return problemi;
    }
    const double attese = numeroSillabe == 2 ? 6.0 / 5.0 : 1.0;
    const QString esempio =
        numeroSillabe == 2 ? QStringLiteral("480 × 400") : QStringLiteral("480 × 480");
    if (qAbs(double(figura.width()) / figura.height() - attese) > 0.02)
        problemi << problema(Tipo::FiguraDeformata,
                             QStringLiteral("la figura %1 è %2 × %3 pixel: il gioco la deforma, "
                                            "servono le proporzioni di %4")
                                 .arg(nome)
                                 .arg(figura.width())
                                 .arg(figura.height())
                                 .arg(esempio));
    else if (figura.width() < 300)
        problemi << problema(Tipo::FiguraDeformata,
                             QStringLiteral("la figura %1 è piccola (%2 × %3 pixel) e si vedrà "
                                            "sgranata: meglio %4")
                                 .arg(nome)
                                 .arg(figura.width())
                                 .arg(figura.height())
                                 .arg(esempio));
    return problemi;
}

Verificatore::Esito Verificatore::verifica() const {
    Esito esito;
    auto segnala = [&esito](ProblemaVerifica p, const QString &file, int parola) {
        p.file = file;
        p.parola = parola;
        esito.problemi << p;
    };

    Modulo1::RiempiElencoListe();
    QVector<FileLista> file;
    for (int riga = 0; riga < Modulo1::NumeroListe; ++riga) {
        for (const QString &cifra : Cifre) {
            FileLista f;
            f.codice = Modulo1::ElencoListe[riga][Modulo1::ColonnaCodice];
            f.cifra = cifra;
            f.percorso = m_dati.percorso(CartelleDati::Liste, f.nome());
            RisultatoLettura letto = leggiListaParole(f.percorso, sillabeDellaCifra(cifra));
            f.tabella = std::move(letto.tabella);
            f.letto = !letto.errore;
            if (letto.errore)
                segnala(problema(Tipo::Lettura, letto.errore->dettaglio), f.percorso,
                        letto.errore->parola);
            file << f;
        }
    }
    esito.file = int(file.size());

    struct PrimaVolta {
        QString divisione;
        QString file;
        int riga;
    };
    QHash<QString, PrimaVolta> parole;        // word → where it first appeared
    QHash<QByteArray, QString> figurePerFile; // picture's bytes → its word
    for (const FileLista &f : file) {
        QHash<QString, int> nelFile;
        for (int riga = 1; riga <= f.tabella.numeroRighe(); ++riga) {
            ++esito.parole;
            const QStringList sillabe = f.sillabe(riga);
            const QString parola = sillabe.join(QString());
            const QString k = chiave(parola);
            for (const ProblemaVerifica &p : problemiParola(f.codice, f.cifra, sillabe))
                segnala(p, f.percorso, riga);
            if (nelFile.contains(k)) {
                segnala(problema(Tipo::Doppione, QStringLiteral("\"%1\" c'è già, alla parola %2")
                                                     .arg(divisa(sillabe))
                                                     .arg(nelFile.value(k))),
                        f.percorso, riga);
                continue;
            }
            nelFile.insert(k, riga);

            if (parole.contains(k)) {
                const PrimaVolta &prima = parole[k];
                if (chiave(divisa(sillabe)) != chiave(prima.divisione))
                    segnala(problema(Tipo::Doppione,
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
            QFile contenuto(figura);
            if (!contenuto.open(QIODevice::ReadOnly))
                continue;
            const QByteArray impronta =
                QCryptographicHash::hash(contenuto.readAll(), QCryptographicHash::Sha1);
            if (figurePerFile.contains(impronta))
                segnala(problema(Tipo::FiguraCondivisa,
                                 QStringLiteral("la figura di \"%1\" è la stessa di \"%2\": un "
                                                "bambino che ha imparato una parola non deve "
                                                "trovarla sotto un'altra")
                                     .arg(parola, figurePerFile.value(impronta))),
                        f.percorso, riga);
            else
                figurePerFile.insert(impronta, parola);
        }
    }

    // A picture a teacher added but no list names is usually a word misspelt on one side.
    const QStringList nomiFigure = m_dati.nomiFile(CartelleDati::Immagini);
    esito.figure = int(nomiFigure.size());
    for (const QString &nome : nomiFigure) {
        const QString base = QFileInfo(nome).completeBaseName();
        const bool usata = nome.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) &&
                           parole.contains(chiave(base));
        // Bundled pictures a teacher's own lists leave out are not the teacher's to remove.
        const bool nostra =
            m_dati.cartellaUtente().isEmpty() || m_dati.dallUtente(CartelleDati::Immagini, nome);
        if (!usata && nostra)
            segnala(problema(Tipo::FiguraInutile,
                             QStringLiteral("nessuna lista usa la figura %1").arg(nome)),
                    m_dati.percorso(CartelleDati::Immagini, nome), 0);
    }

    // The game opens an exercise on the difficult file when the easy one is too short, so a
    // short file is a problem only when neither can fill the exercise.
    auto cerca = [&file](const QString &codice, const QString &cifra) -> const FileLista * {
        for (const FileLista &f : file)
            if (f.codice == codice && f.cifra == cifra)
                return &f;
        return nullptr;
    };
    for (const FileLista &f : file) {
        const int servono = sillabeDellaCifra(f.cifra) == 2 ? 4 : 3;
        const FileLista *compagna = cerca(f.codice, cifraCompagna(f.cifra));
        const bool compagnaBasta =
            compagna && compagna->letto && compagna->tabella.numeroRighe() >= servono;
        if (f.letto && f.tabella.numeroRighe() < servono && !compagnaBasta)
            segnala(problema(Tipo::PocheParole,
                             QStringLiteral("ha %1 parole, ma un esercizio ne mostra %2 e "
                                            "nemmeno %3 ne ha abbastanza")
                                 .arg(f.tabella.numeroRighe())
                                 .arg(servono)
                                 .arg(compagna ? compagna->nome() : QString())),
                    f.percorso, 0);
    }

    // TUTTE is every word of the other lists, and every list holds all of TUTTE's words that
    // belong to it.
    for (const QString &cifra : Cifre) {
        const FileLista *tutte = cerca(QStringLiteral("TUTTE"), cifra);
        if (!tutte || !tutte->letto)
            continue;
        QHash<QString, int> rigaInTutte;
        QSet<QString> giaDetti; // a word missing from TUTTE is said once, not once per list
        for (int riga = 1; riga <= tutte->tabella.numeroRighe(); ++riga)
            rigaInTutte.insert(chiave(divisa(tutte->sillabe(riga))), riga);
        for (const FileLista &f : file) {
            if (f.cifra != cifra || f.codice == tutte->codice || !f.letto)
                continue;
            QSet<QString> presenti;
            for (int riga = 1; riga <= f.tabella.numeroRighe(); ++riga) {
                const QString scritta = divisa(f.sillabe(riga));
                presenti.insert(chiave(scritta));
                if (!rigaInTutte.contains(chiave(scritta)) && !giaDetti.contains(chiave(scritta))) {
                    giaDetti.insert(chiave(scritta));
                    segnala(problema(Tipo::TutteNonUnione,
                                     QStringLiteral("manca \"%1\", che è in %2 (parola %3)")
                                         .arg(scritta, f.nome())
                                         .arg(riga)),
                            tutte->percorso, 0);
                }
            }
            for (int riga = 1; riga <= tutte->tabella.numeroRighe(); ++riga) {
                const QStringList sillabe = tutte->sillabe(riga);
                if (RegoleLista::appartieneALista(f.codice, sillabe) &&
                    !presenti.contains(chiave(divisa(sillabe))))
                    segnala(problema(Tipo::Appartenenza,
                                     QStringLiteral("manca \"%1\", che appartiene a questa lista "
                                                    "(è in %2, parola %3)")
                                         .arg(divisa(sillabe), tutte->nome())
                                         .arg(riga)),
                            f.percorso, 0);
            }
        }
        for (int riga = 1; riga <= tutte->tabella.numeroRighe(); ++riga) {
            const QStringList sillabe = tutte->sillabe(riga);
            bool inUnaLista = false;
            for (int l = 1; l < Modulo1::NumeroListe && !inUnaLista; ++l)
                inUnaLista = RegoleLista::appartieneALista(
                    Modulo1::ElencoListe[l][Modulo1::ColonnaCodice], sillabe);
            if (!inUnaLista)
                segnala(problema(Tipo::TutteNonUnione,
                                 QStringLiteral("\"%1\" non appartiene a nessun'altra lista: "
                                                "nessun bambino la troverebbe fuori da TUTTE")
                                     .arg(divisa(sillabe))),
                        tutte->percorso, riga);
        }
    }

    for (const char *nome : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"}) {
        const QString percorso = m_dati.percorso(CartelleDati::Suoni, QString::fromLatin1(nome));
        const InfoWav suono = leggiInfoWav(percorso);
        if (!suono.valido)
            segnala(problema(Tipo::Suono,
                             (QFileInfo(percorso).isFile()
                                  ? QStringLiteral("il suono %1 non è un file WAV che il gioco sa "
                                                   "suonare")
                                  : QStringLiteral("manca il suono %1 nella cartella %2")
                                        .arg(QStringLiteral("%1"), CartelleDati::Suoni))
                                 .arg(QString::fromLatin1(nome))),
                    percorso, 0);
    }

    std::stable_sort(esito.problemi.begin(), esito.problemi.end(),
                     [](const ProblemaVerifica &a, const ProblemaVerifica &b) {
                         return a.file != b.file ? a.file < b.file : a.parola < b.parola;
                     });
    return esito;
}
