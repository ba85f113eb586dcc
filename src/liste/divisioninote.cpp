#include "liste/divisioninote.h"

#include "core/logging.h"
#include "core/transazionefile.h"
#include "liste/sillabazione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// One line of the teacher's file, or an empty list if it is no division of a word.
QStringList leggiRiga(const QString &riga) {
    const QString pulita = riga.trimmed().normalized(QString::NormalizationForm_C);
    if (pulita.isEmpty() || !Sillabazione::motivoRifiuto(QString(pulita).remove('-')).isEmpty())
        return {};
    const QStringList sillabe = pulita.split(QLatin1Char('-'));
    for (const QString &s : sillabe)
        if (s.isEmpty())
            return {};
    return sillabe;
}

} // namespace

void DivisioniNote::aggiungi(const QStringList &sillabe) {
    if (!sillabe.isEmpty())
        m_nostre.insert(chiave(sillabe.join(QString())), sillabe);
}

void DivisioniNote::caricaConfermate(const QString &percorso) {
    m_percorso = percorso;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    // A teacher's file is small; a bound keeps a wrong file from filling the memory.
    const QByteArray dati = file.read(4 * 1024 * 1024);
    for (const QString &riga : QString::fromUtf8(dati).split(QLatin1Char('\n'))) {
        const QStringList sillabe = leggiRiga(riga);
        if (!sillabe.isEmpty())
            m_confermate.insert(chiave(sillabe.join(QString())), sillabe);
    }
}

bool DivisioniNote::conferma(const QStringList &sillabe, QString *errore) {
    const QString k = chiave(sillabe.join(QString()));
    if (m_confermate.value(k) == sillabe)
        return true;
    m_confermate.insert(k, sillabe);
    if (m_percorso.isEmpty())
        return true;
    QStringList righe;
    for (const QStringList &s : qAsConst(m_confermate))
        righe << s.join(QLatin1Char('-'));
    righe.sort();
    QDir().mkpath(QFileInfo(m_percorso).absolutePath());
    const QString problema = TransazioneFile::scriviFile(
        m_percorso, (righe.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!problema.isEmpty() && errore)
        *errore = problema;
    return problema.isEmpty();
}

QStringList DivisioniNote::cerca(const QString &parola) const {
    const QString k = chiave(parola);
    const auto sua = m_confermate.constFind(k);
    if (sua != m_confermate.constEnd())
        return sua.value();
    return m_nostre.value(k);
}

bool DivisioniNote::confermata(const QString &parola) const {
    return m_confermate.contains(chiave(parola));
}

QString DivisioniNote::percorsoConfermate(const QString &cartellaUtente) {
    return QDir(cartellaUtente).filePath(QStringLiteral("sillabe-confermate.txt"));
}

void confermaDivisioneAggiunta(const QStringList &sillabe) {
    const Divisione automatica = Sillabazione::sillaba(sillabe.join(QString()));
    DivisioniNote *note = Sillabazione::divisioniNote();
    if (!note || (!automatica.incerta && automatica.sillabe == sillabe))
        return;
    QString errore;
    if (!note->conferma(sillabe, &errore))
        qCWarning(lcDati).noquote() << "The confirmed division could not be kept:" << errore;
}
