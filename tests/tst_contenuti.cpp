// Checks the content we ship in data/: every list the game can ask for, read by the game's own
// reader, with a picture for every word and the five feedback sounds.
#include "core/applicationfolder.h"
#include "core/infowav.h"
#include "core/modulo1.h"
#include "liste/lettorelista.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

namespace {

const QString CartellaDati = QStringLiteral(ZAMPIROLO_DATA);

struct FileLista {
    QString codice;
    QString suffisso;
    int sillabe;
    bool facile;
};

QList<FileLista> tuttiIFile() {
    Modulo1::RiempiElencoListe();
    QList<FileLista> file;
    for (int riga = 0; riga < Modulo1::NumeroListe; ++riga) {
        const QString codice = Modulo1::ElencoListe[riga][Modulo1::ColonnaCodice];
        file.append({codice, QStringLiteral("2.txt"), 2, true});
        file.append({codice, QStringLiteral("3.txt"), 3, true});
        file.append({codice, QStringLiteral("4.txt"), 2, false});
        file.append({codice, QStringLiteral("5.txt"), 3, false});
    }
    return file;
}

QString percorsoLista(const FileLista &f) {
    return CartellaDati + QLatin1Char('/') + CartelleDati::Liste + QLatin1Char('/') + f.codice +
           f.suffisso;
}

TabellaParole leggi(const FileLista &f) {
    RisultatoLettura letto = leggiListaParole(percorsoLista(f), f.sillabe);
    if (letto.errore)
        qWarning().noquote() << letto.errore->descrizione();
    return letto.tabella;
}

QList<QStringList> paroleDi(const FileLista &f) {
    const TabellaParole tabella = leggi(f);
    QList<QStringList> parole;
    for (int riga = 1; riga <= tabella.numeroRighe(); ++riga) {
        QStringList sillabe;
        for (int colonna = 1; colonna <= tabella.sillabePerParola(); ++colonna)
            sillabe << tabella(riga, colonna);
        parole << sillabe;
    }
    return parole;
}

QSet<QString> conTrattini(const QList<QStringList> &parole) {
    QSet<QString> insieme;
    for (const QStringList &sillabe : parole)
        insieme.insert(sillabe.join(QLatin1Char('-')));
    return insieme;
}

const QString Vocali = QStringLiteral("aeiouàèéìíòóùú");

// Easy syllables: a vowel alone or one consonant and a vowel. qu, groups, double and closed
// syllables and any two vowels together make a word difficult.
bool sillabaSemplice(const QString &sillaba) {
    static const QRegularExpression semplice(QStringLiteral("^[bcdfglmnprstvz]?[aeiouàèéìíòóùú]$"));
    return semplice.match(sillaba).hasMatch();
}

// Which words a list holds: a consonant list the words with a syllable that starts with its
// consonant directly followed by a vowel (ce, cia and ca alike), "cq&qu" the words with qu,
// "vocali" the words that start with a vowel.
bool appartiene(const QString &codice, const QStringList &sillabe) {
    const QString parola = sillabe.join(QString());
    if (codice == QStringLiteral("vocali"))
        return Vocali.contains(parola.front());
    if (codice == QStringLiteral("cq&qu"))
        return parola.contains(QStringLiteral("qu"));
    for (const QString &s : sillabe) {
        if (s.size() > 1 && s[0] == codice[0] && Vocali.contains(s[1]))
            return true;
    }
    return false;
}

// Vowel pairs that stay in one syllable: the diphthongs (iai, uoi and cia, glio are chains of
// them). Any other pair in a syllable, and every pair the division splits, needs a note.
bool dittongo(QStringView coppia) {
    static const QStringList dittonghi =
        QStringLiteral("ia ie io iu ua ue ui uo ai ei oi au eu").split(QLatin1Char(' '));
    return dittonghi.contains(coppia.toString());
}

QString senzaAccenti(const QString &testo) {
    QString semplice;
    for (const QChar c : testo.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            semplice += c;
    return semplice;
}

// words.tsv: the table our content is made from, one word a line: syllables, picture, note.
struct RigaTabella {
    QString immagine;
    QString nota;
};

QHash<QString, RigaTabella> tabellaParole() {
    QFile file(QStringLiteral(ZAMPIROLO_TABELLA));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QHash<QString, RigaTabella> righe;
    const QStringList linee = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &linea : linee.mid(1)) {
        const QStringList celle = linea.split(QLatin1Char('\t'));
        if (celle.size() >= 2)
            righe.insert(celle[0], {celle[1], celle.value(2)});
    }
    return righe;
}

// The artwork behind a picture, whatever its style, skin tone or mirroring.
QStringList fontiFigura(const QString &immagine) {
    static const QRegularExpression carnagione(
        QStringLiteral("-(default|light|medium-light|medium|medium-dark|dark)$"));
    QStringList fonti;
    for (QString parte : immagine.split(QLatin1Char('+'))) {
        parte.remove(QRegularExpression(QStringLiteral("^flop:")));
        const int dove = parte.lastIndexOf(QLatin1Char(':'));
        const QString tipo = dove < 0 ? QStringLiteral("fluent") : parte.left(dove);
        QString nome = parte.mid(dove + 1).section(QLatin1Char('/'), -1);
        nome.remove(carnagione);
        fonti << tipo + QLatin1Char(':') + nome;
    }
    fonti.removeDuplicates();
    return fonti;
}

} // namespace

class TestContenuti : public QObject {
    Q_OBJECT

private slots:
    void ogniListaEsisteESiCarica_data();
    void ogniListaEsisteESiCarica();
    void ogniListaRiempieEntrambiGliEsercizi_data();
    void ogniListaRiempieEntrambiGliEsercizi();
    void ogniListaHaTutteESoleLeSueParole_data();
    void ogniListaHaTutteESoleLeSueParole();
    void ogniCoppiaDiVocaliESpiegata();
    void unaFiguraPerParola();
    void ogniParolaHaUnaFiguraLeggibileDellaFormaGiusta();
    void nessunaFiguraAvanza();
    void cEAlmenoUnaParolaAccentata();
    void suoniBreviEMonofonici_data();
    void suoniBreviEMonofonici();
    void suoniTuttiDiversi();

private:
    QHash<QString, size_t> m_impronte;
};

void TestContenuti::ogniListaEsisteESiCarica_data() {
    QTest::addColumn<int>("indice");
    const QList<FileLista> file = tuttiIFile();
    QCOMPARE(file.size(), 68);
    for (int i = 0; i < file.size(); ++i)
        QTest::newRow(qPrintable(file[i].codice + file[i].suffisso)) << i;
}

void TestContenuti::ogniListaEsisteESiCarica() {
    QFETCH(int, indice);
    const FileLista f = tuttiIFile().at(indice);
    const QString nome = f.codice + f.suffisso;
    QVERIFY2(QDir(CartellaDati + QLatin1Char('/') + CartelleDati::Liste).entryList().contains(nome),
             qPrintable(nome + QStringLiteral(" is missing or named in another case")));

    const RisultatoLettura letto = leggiListaParole(percorsoLista(f), f.sillabe);
    QVERIFY2(!letto.errore, letto.errore ? qPrintable(letto.errore->descrizione()) : "");
    const QList<QStringList> parole = paroleDi(f);
    QCOMPARE(conTrattini(parole).size(), parole.size());
    for (const QStringList &sillabe : parole) {
        const QString parola = sillabe.join(QLatin1Char('-'));
        QVERIFY2(parola == parola.toLower(), qPrintable(parola));
        const bool facile = std::all_of(sillabe.begin(), sillabe.end(), sillabaSemplice);
        QVERIFY2(facile == f.facile,
                 qPrintable(parola + (f.facile ? QStringLiteral(" has a difficult syllable")
                                               : QStringLiteral(" has only easy syllables"))));
    }
}

// An exercise screen opens on the difficult file when the easy one cannot fill an exercise, so
// every list needs, for each exercise, one file with four (two syllables) or three words.
void TestContenuti::ogniListaRiempieEntrambiGliEsercizi_data() {
    QTest::addColumn<QString>("codice");
    QTest::addColumn<int>("sillabe");
    const QList<FileLista> file = tuttiIFile();
    for (const FileLista &f : file) {
        if (f.facile)
            QTest::addRow("%s%d", qPrintable(f.codice), f.sillabe) << f.codice << f.sillabe;
    }
}

void TestContenuti::ogniListaRiempieEntrambiGliEsercizi() {
    QFETCH(QString, codice);
    QFETCH(int, sillabe);
    int massimo = 0;
    for (const FileLista &f : tuttiIFile()) {
        if (f.codice == codice && f.sillabe == sillabe)
            massimo = qMax(massimo, leggi(f).numeroRighe());
    }
    QVERIFY2(massimo >= (sillabe == 2 ? 4 : 3), qPrintable(QString::number(massimo)));
}

// TUTTE holds every word and is the union of the lists; each list holds exactly the words of
// TUTTE that belong to it, so a word is in every list it qualifies for.
void TestContenuti::ogniListaHaTutteESoleLeSueParole_data() {
    QTest::addColumn<QString>("suffisso");
    for (const char *suffisso : {"2.txt", "3.txt", "4.txt", "5.txt"})
        QTest::newRow(suffisso) << QString::fromLatin1(suffisso);
}

void TestContenuti::ogniListaHaTutteESoleLeSueParole() {
    QFETCH(QString, suffisso);
    QList<FileLista> file;
    for (const FileLista &f : tuttiIFile())
        if (f.suffisso == suffisso)
            file << f;
    QCOMPARE(file.first().codice, QStringLiteral("TUTTE"));
    const QList<QStringList> tutte = paroleDi(file.takeFirst());
    QVERIFY(tutte.size() <= MassimoParole);

    QSet<QString> unione;
    for (const FileLista &f : file) {
        QSet<QString> spettanti;
        for (const QStringList &sillabe : tutte)
            if (appartiene(f.codice, sillabe))
                spettanti.insert(sillabe.join(QLatin1Char('-')));
        const QSet<QString> presenti = conTrattini(paroleDi(f));
        QVERIFY2(presenti == spettanti,
                 qPrintable(f.codice + QStringLiteral(": missing ") +
                            QStringList((spettanti - presenti).values()).join(QLatin1Char(' ')) +
                            QStringLiteral("; not its own ") +
                            QStringList((presenti - spettanti).values()).join(QLatin1Char(' '))));
        unione += presenti;
    }
    QCOMPARE(unione, conTrattini(tutte));
}

// hyphen-it keeps vowels together, so the division of vowel pairs is checked here: a pair inside
// a syllable is a diphthong, and any other pair, or one the division splits, has a note.
void TestContenuti::ogniCoppiaDiVocaliESpiegata() {
    const QHash<QString, RigaTabella> tabella = tabellaParole();
    QVERIFY(tabella.size() > 100);
    int spiegate = 0;
    for (const FileLista &f : tuttiIFile()) {
        if (f.codice != QStringLiteral("TUTTE"))
            continue;
        for (const QStringList &sillabe : paroleDi(f)) {
            const QString parola = sillabe.join(QLatin1Char('-'));
            QVERIFY2(tabella.contains(parola), qPrintable(parola + " is not in words.tsv"));
            const bool nota = !tabella[parola].nota.isEmpty();
            const QString semplice = senzaAccenti(parola);
            for (int i = 0; i + 1 < semplice.size(); ++i) {
                const bool divisa = semplice[i + 1] == QLatin1Char('-') && i + 2 < semplice.size();
                const QChar prima = semplice[i], dopo = semplice[divisa ? i + 2 : i + 1];
                if (!Vocali.contains(prima) || !Vocali.contains(dopo))
                    continue;
                const bool spiegata = divisa ? nota : dittongo(QString(prima) + dopo) || nota;
                QVERIFY2(spiegata, qPrintable(parola + QStringLiteral(": ") + prima + dopo +
                                              QStringLiteral(" is neither a diphthong nor noted")));
                spiegate += divisa ? 1 : 0;
            }
        }
    }
    QVERIFY(spiegate > 0); // le-o-ne and its kind are there, so the split pairs were looked at
}

// A child who learned one word for a picture must never meet that picture, or the same artwork
// in another style, tone or mirrored, under another word.
void TestContenuti::unaFiguraPerParola() {
    const QHash<QString, RigaTabella> tabella = tabellaParole();
    QHash<QString, QString> parolaDellaFonte;
    for (auto it = tabella.cbegin(); it != tabella.cend(); ++it) {
        for (const QString &fonte : fontiFigura(it->immagine)) {
            const QString altra = parolaDellaFonte.value(fonte, it.key());
            QVERIFY2(altra == it.key(),
                     qPrintable(fonte + QStringLiteral(" pictures ") + altra + " and " + it.key()));
            parolaDellaFonte.insert(fonte, it.key());
        }
    }
    QHash<QByteArray, QString> parolaDelleImmagini;
    QDirIterator it(CartellaDati + QLatin1Char('/') + CartelleDati::Immagini, QDir::Files);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray impronta =
            QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
        QVERIFY2(!parolaDelleImmagini.contains(impronta),
                 qPrintable(it.fileName() + " = " + parolaDelleImmagini.value(impronta)));
        parolaDelleImmagini.insert(impronta, it.fileName());
    }
    QVERIFY(parolaDelleImmagini.size() > 100);
}

void TestContenuti::ogniParolaHaUnaFiguraLeggibileDellaFormaGiusta() {
    const QDir immagini(CartellaDati + QLatin1Char('/') + CartelleDati::Immagini);
    const QStringList presenti = immagini.entryList(QDir::Files);
    QSet<QString> controllate;
    for (const FileLista &f : tuttiIFile()) {
        const TabellaParole tabella = leggi(f);
        for (int riga = 1; riga <= tabella.numeroRighe(); ++riga) {
            const QString nome = tabella.parola(riga) + QStringLiteral(".jpg");
            if (controllate.contains(nome))
                continue;
            controllate.insert(nome);
            QVERIFY2(presenti.contains(nome),
                     qPrintable(nome + QStringLiteral(" is missing (needed by ") + f.codice +
                                f.suffisso + QLatin1Char(')')));
            QImageReader lettore(immagini.filePath(nome));
            QCOMPARE(lettore.format(), QByteArray("jpeg"));
            const QImage figura = lettore.read();
            QVERIFY2(!figura.isNull(), qPrintable(nome + QLatin1Char(' ') + lettore.errorString()));
            // The game stretches pictures to 6:5 frames for two syllables, square for three.
            const double atteso = f.sillabe == 2 ? 6.0 / 5.0 : 1.0;
            QVERIFY2(qAbs(double(figura.width()) / figura.height() - atteso) < 0.02,
                     qPrintable(nome));
            QVERIFY(figura.width() >= 300);
        }
    }
    QVERIFY(controllate.size() > 100);
}

void TestContenuti::nessunaFiguraAvanza() {
    QSet<QString> usate;
    for (const FileLista &f : tuttiIFile()) {
        const TabellaParole tabella = leggi(f);
        for (int riga = 1; riga <= tabella.numeroRighe(); ++riga)
            usate.insert(tabella.parola(riga) + QStringLiteral(".jpg"));
    }
    qint64 byteTotali = 0;
    QDirIterator it(CartellaDati + QLatin1Char('/') + CartelleDati::Immagini, QDir::Files);
    while (it.hasNext()) {
        it.next();
        QVERIFY2(usate.contains(it.fileName()), qPrintable(it.fileName() + " is used by no word"));
        byteTotali += it.fileInfo().size();
    }
    QVERIFY2(byteTotali < 20 * 1024 * 1024, qPrintable(QString::number(byteTotali)));
}

void TestContenuti::cEAlmenoUnaParolaAccentata() {
    static const QRegularExpression accento(QStringLiteral("[àèéìíòóùú]"));
    QStringList accentate;
    for (const FileLista &f : tuttiIFile()) {
        const TabellaParole tabella = leggi(f);
        for (int riga = 1; riga <= tabella.numeroRighe(); ++riga) {
            if (tabella.parola(riga).contains(accento))
                accentate << tabella.parola(riga);
        }
    }
    QVERIFY(!accentate.isEmpty());
    // Found the way the game composes the name, from the application folder.
    const QString figura = percorsoDati(
        CartellaDati, {CartelleDati::Immagini, accentate.first() + QStringLiteral(".jpg")});
    QVERIFY2(!QImage(figura).isNull(), qPrintable(figura));
}

void TestContenuti::suoniBreviEMonofonici_data() {
    QTest::addColumn<QString>("nome");
    for (const char *nome : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"})
        QTest::newRow(nome) << QString::fromLatin1(nome);
}

void TestContenuti::suoniBreviEMonofonici() {
    QFETCH(QString, nome);
    const InfoWav info = leggiInfoWav(CartellaDati + QLatin1Char('/') + CartelleDati::Suoni +
                                      QLatin1Char('/') + nome);
    QVERIFY(info.valido);
    QCOMPARE(info.codifica, 1);
    QCOMPARE(info.canali, 1);
    QCOMPARE(info.bit, 16);
    QVERIFY2(info.durata() > 0.2 && info.durata() <= 1.5,
             qPrintable(QString::number(info.durata())));

    QFile file(CartellaDati + QLatin1Char('/') + CartelleDati::Suoni + QLatin1Char('/') + nome);
    QVERIFY(file.open(QIODevice::ReadOnly));
    file.seek(info.inizioDati);
    const QByteArray dati = file.read(info.byteDati);
    int picco = 0;
    for (qsizetype i = 0; i + 1 < dati.size(); i += 2)
        picco = qMax(picco, qAbs(int(qFromLittleEndian<qint16>(dati.constData() + i))));
    QVERIFY2(picco < 32767, "clipped"); // a full-scale sample means the sound was clipped
    QVERIFY2(picco > 8000, "too quiet to hear in a classroom");
    m_impronte.insert(nome, qHash(dati));
}

void TestContenuti::suoniTuttiDiversi() {
    QCOMPARE(m_impronte.size(), 5);
    const QList<size_t> valori = m_impronte.values();
    QCOMPARE(QSet<size_t>(valori.begin(), valori.end()).size(), 5);
}

QTEST_MAIN(TestContenuti)
#include "tst_contenuti.moc"
