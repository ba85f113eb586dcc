#include "liste/verificatore.h"

#include "core/applicationfolder.h"
#include "core/lettorefigura.h"
#include "core/limitefigure.h"
#include "core/modulo1.h"
#include "liste/controlliverifica.h"
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
        problemi << problemaVerifica(
            Tipo::Maiuscole, QStringLiteral("\"%1\" ha lettere maiuscole: scrivi le sillabe in "
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
        problemi << problemaVerifica(
            Tipo::Divisione,
            QStringLiteral("\"%1\" è divisa in modo diverso dalla divisione "
                           "automatica \"%2\"")
                .arg(scritta, Sillabazione::testo(automatica)),
            forse);
    }

    const Classificazione classe = RegoleLista::classificaParola(sillabe);
    const QString giusta = RegoleLista::cifraFile(classe);
    if (giusta.isEmpty()) {
        problemi << problemaVerifica(
            Tipo::Livello, QStringLiteral("\"%1\" ha %2 sillabe: il gioco usa solo parole di due "
                                          "o tre sillabe")
                               .arg(scritta)
                               .arg(sillabe.size()));
    } else if (giusta != cifra) {
        QString motivo;
        const std::optional<TipoFileLista> tipo = TipoFileLista::daCifra(cifra);
        if (!tipo || classe.numeroSillabe != tipo->sillabePerParola()) {
            motivo = QStringLiteral("ha %1 sillabe").arg(classe.numeroSillabe);
        } else if (classe.livello == Livello::Facile) {
            motivo = QStringLiteral("ha solo sillabe facili");
        } else {
            for (const QString &s : sillabe)
                if (motivo.isEmpty() &&
                    RegoleLista::classificaParola({s}).livello == Livello::Difficile)
                    motivo = QStringLiteral("ha la sillaba difficile \"%1\"").arg(s);
        }
        problemi << problemaVerifica(
            Tipo::Livello,
            QStringLiteral("\"%1\" %2: va nel file %3")
                .arg(scritta, motivo, TipoFileLista::daCifra(giusta)->nomeFile(codice)));
    }

    if (!RegoleLista::appartieneALista(codice, sillabe))
        problemi << problemaVerifica(
            Tipo::Appartenenza, QStringLiteral("\"%1\" non è una parola della lista \"%2\": %3")
                                    .arg(scritta, didascalia(codice), perche(codice)));
    return problemi;
}

QVector<ProblemaVerifica> Verificatore::problemiFigura(const QString &percorso, int numeroSillabe,
                                                       QImage *decodificata, const QSize &entro) {
    QVector<ProblemaVerifica> problemi;
    const QString nome = QFileInfo(percorso).fileName();
    LettoreFigura letta(percorso, true);
    if (letta.lettura().esito == LetturaDati::Esito::Mancante) {
        problemi << problemaVerifica(Tipo::FiguraMancante,
                                     QStringLiteral("manca la figura %1 nella cartella %2")
                                         .arg(nome, CartelleDati::Immagini));
        return problemi;
    }
    // The game shows a picture whatever format its content is in, like here. Only its
    // proportions and size matter, so a phone photo is decoded shrunk, as the game decodes it.
    const QSize naturale = letta.lettore().size();
    if (entro.isValid() && (naturale.width() > entro.width() || naturale.height() > entro.height()))
        letta.lettore().setScaledSize(naturale.scaled(entro, Qt::KeepAspectRatio));
    else if (!entro.isValid() && naturale.width() > 960)
        letta.lettore().setScaledSize(naturale.scaled(960, 960, Qt::KeepAspectRatio));
    bool troppoGrande = false;
    const QImage letto =
        letta.lettura().letto() ? leggiFiguraEntroLimite(letta.lettore(), &troppoGrande) : QImage();
    if (decodificata)
        *decodificata = letto;
    const QSize figura = naturale.isValid() ? naturale : letto.size();
    if (troppoGrande)
        return {problemaVerifica(
            Tipo::FiguraIlleggibile,
            QStringLiteral("la figura %1 è troppo grande (%2 × %3 pixel, più di %4 "
                           "milioni): il gioco mostra un paesaggio vuoto al suo posto")
                .arg(nome)
                .arg(letta.lettore().size().width())
                .arg(letta.lettore().size().height())
                .arg(MassimoPixelFigura / 1000000))};
    if (letto.isNull()) {
        problemi << problemaVerifica(
            Tipo::FiguraIlleggibile,
            QStringLiteral("la figura %1 non si può leggere (%2)").arg(nome, letta.motivo()));
        return problemi;
    }
    const double attese = numeroSillabe == 2 ? 6.0 / 5.0 : 1.0;
    const QString esempio =
        numeroSillabe == 2 ? QStringLiteral("480 × 400") : QStringLiteral("480 × 480");
    if (qAbs(double(figura.width()) / figura.height() - attese) > 0.02)
        problemi << problemaVerifica(
            Tipo::FiguraDeformata,
            QStringLiteral("la figura %1 è %2 × %3 pixel: il gioco la deforma, "
                           "servono le proporzioni di %4")
                .arg(nome)
                .arg(figura.width())
                .arg(figura.height())
                .arg(esempio));
    else if (figura.width() < 300)
        problemi << problemaVerifica(
            Tipo::FiguraDeformata,
            QStringLiteral("la figura %1 è piccola (%2 × %3 pixel) e si vedrà "
                           "sgranata: meglio %4")
                .arg(nome)
                .arg(figura.width())
                .arg(figura.height())
                .arg(esempio));
    return problemi;
}

Verificatore::Esito Verificatore::verifica() const {
    ControlliVerifica controlli(m_dati);
    controlli.leggiFile();
    controlli.controllaParole();
    controlli.controllaFigureInutili();
    controlli.controllaFileInutilizzabili();
    controlli.controllaFileCorti();
    controlli.controllaTutte();
    controlli.controllaSuoni();
    return controlli.esito();
}
