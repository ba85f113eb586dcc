#include "classe/elencobambini.h"

#include "core/transazionefile.h"

#include "core/applicationfolder.h"
#include "core/lettorefigura.h"
#include "core/limitefigure.h"

#include "core/letturadati.h"

#include <QDir>
#include <QFileInfo>

QStringList ElencoBambini::nomi() const {
    QStringList risultato;
    for (const Bambino &b : bambini)
        risultato << b.nome;
    return risultato;
}

QString chiaveNome(const QString &nome) {
    return nome.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
}

QString motivoNomeRifiutato(const QString &nome, const QStringList &altri) {
    const QString pulito = nome.trimmed();
    if (pulito.isEmpty())
        return QStringLiteral("il nome è vuoto");
    if (pulito.size() > MassimaLunghezzaNome)
        return QStringLiteral("il nome è più lungo di %1 lettere").arg(MassimaLunghezzaNome);
    bool lettere = false;
    for (const QChar c : pulito) {
        // Control and format characters (a tab, a bidirectional override) would show as
        // nothing, or turn the text around on the child's button.
        const QChar::Category categoria = c.category();
        if (categoria == QChar::Other_Control || categoria == QChar::Other_Format ||
            categoria == QChar::Other_NotAssigned || categoria == QChar::Other_Surrogate ||
            categoria == QChar::Other_PrivateUse || c == QLatin1Char(';'))
            return QStringLiteral("il nome contiene caratteri che non si possono mostrare");
        lettere = lettere || c.isLetter();
    }
    if (!lettere)
        return QStringLiteral("il nome non contiene lettere");
    const QString chiave = chiaveNome(pulito);
    for (const QString &altro : altri) {
        if (chiaveNome(altro) == chiave)
            return QStringLiteral("c'è già un bambino che si chiama %1").arg(altro);
    }
    return {};
}

namespace {

bool figuraAccettabile(const QString &figura) {
    // Only a plain file name: the picture is looked up in images0, never elsewhere.
    return !figura.contains(QLatin1Char('/')) && !figura.contains(QLatin1Char('\\')) &&
           figura != QStringLiteral("..") && figura.size() <= 100 &&
           motivoNomeRifiutato(figura.isEmpty() ? QStringLiteral("x") : figura, {}).isEmpty();
}

} // namespace

ElencoBambini analizzaElencoBambini(const QByteArray &byte) {
    ElencoBambini elenco;
    const QString testo = QString::fromUtf8(byte);
    const QStringList righe = testo.split(QLatin1Char('\n'));
    int scartati = 0;
    for (int r = 0; r < righe.size(); ++r) {
        QString riga = righe.at(r);
        if (riga.endsWith(QLatin1Char('\r')))
            riga.chop(1);
        if (riga.trimmed().isEmpty())
            continue;
        const int separatore = riga.indexOf(QLatin1Char(';'));
        const QString nome = (separatore < 0 ? riga : riga.left(separatore)).trimmed();
        const QString figura = separatore < 0 ? QString() : riga.mid(separatore + 1).trimmed();
        if (elenco.bambini.size() >= MassimoBambini) {
            ++scartati;
            continue;
        }
        QString motivo = motivoNomeRifiutato(nome, elenco.nomi());
        if (motivo.isEmpty() && !figuraAccettabile(figura))
            motivo = QStringLiteral("il nome della figura non va bene");
        if (!motivo.isEmpty()) {
            elenco.avvisi << QStringLiteral("Riga %1 lasciata fuori: %2.").arg(r + 1).arg(motivo);
            continue;
        }
        elenco.bambini.append({nome, figura});
    }
    if (scartati > 0)
        elenco.avvisi << QStringLiteral("Una classe ha al massimo %1 bambini: %2 nomi in più "
                                        "lasciati fuori.")
                             .arg(MassimoBambini)
                             .arg(scartati);
    return elenco;
}

ElencoBambini leggiElencoBambini(const QString &percorso) {
    const LetturaDati letto = leggiFileDati(percorso, MassimaDimensioneElenco);
    if (letto.esito == LetturaDati::Esito::Mancante)
        return {};
    if (!letto.letto()) {
        ElencoBambini elenco;
        elenco.avvisi << QStringLiteral("Non posso leggere l'elenco della classe %1: %2.")
                             .arg(QDir::toNativeSeparators(percorso), letto.motivo());
        return elenco;
    }
    return analizzaElencoBambini(letto.byte);
}

QByteArray scriviElencoBambini(const QList<Bambino> &bambini) {
    QByteArray byte;
    for (const Bambino &b : bambini) {
        byte += b.nome.toUtf8();
        if (!b.figura.isEmpty())
            byte += ';' + b.figura.toUtf8();
        byte += '\n';
    }
    return byte;
}

QString salvaElencoBambini(const QString &percorso, const QList<Bambino> &bambini) {
    if (!QDir().mkpath(QFileInfo(percorso).absolutePath()))
        return QStringLiteral("Non ho potuto creare la cartella %1.")
            .arg(QDir::toNativeSeparators(QFileInfo(percorso).absolutePath()));
    return TransazioneFile::scriviFile(percorso, scriviElencoBambini(bambini));
}

QString percorsoElencoBambini(const QString &cartella) {
    return cartella.isEmpty() ? QString() : cartella + QStringLiteral("/classe/bambini.txt");
}

QPixmap figuraBambino(const RisolutoreDati &dati, const QString &figura, const QSize &misura) {
    if (figura.isEmpty())
        return {};
    LettoreFigura letta(dati.percorso(CartelleDati::Immagini, figura));
    const QSize naturale = letta.lettore().size();
    if (!letta.lettura().letto() || !naturale.isValid())
        return {};
    letta.lettore().setScaledSize(naturale.scaled(misura, Qt::KeepAspectRatio));
    return QPixmap::fromImage(leggiFiguraEntroLimite(letta.lettore()));
}
