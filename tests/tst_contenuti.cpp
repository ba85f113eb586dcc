// Checks the content we ship in data/: every list the game can ask for, read by the game's own
// reader, with a picture for every word and the five feedback sounds.
#include "core/applicationfolder.h"
#include "core/infowav.h"
#include "core/modulo1.h"
#include "liste/lettorelista.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

namespace {

const QString CartellaDati = QStringLiteral(ZAMPIROLO_DATA);

// Every file should hold at least 8 two-syllable or 6 three-syllable words, twice what one
// exercise shows. Where Italian has too few words a child can recognise in a picture, a file
// may hold fewer, but never less than one exercise needs: 4 or 3.
const QSet<QString> ListeCorte = {
    QStringLiteral("ba2.txt"), QStringLiteral("da2.txt"), QStringLiteral("fa2.txt"),
    QStringLiteral("ga2.txt"), QStringLiteral("va2.txt"), QStringLiteral("vocali2.txt"),
    QStringLiteral("fa3.txt"), QStringLiteral("ga3.txt"), QStringLiteral("va4.txt"),
    QStringLiteral("za4.txt"), QStringLiteral("za5.txt"),
};

// Italian has no, or almost no, words of these kinds that a six-year-old knows and a picture can
// show: no easy word with a single z, hardly any with qu. The game refuses a list that cannot
// fill one exercise; these counts only keep the files from losing what they have.
const QHash<QString, int> ListeQuasiVuote = {
    {QStringLiteral("za2.txt"), 0},    {QStringLiteral("za3.txt"), 0},
    {QStringLiteral("cq&qu2.txt"), 0}, {QStringLiteral("cq&qu3.txt"), 1},
    {QStringLiteral("cq&qu4.txt"), 3}, {QStringLiteral("cq&qu5.txt"), 2},
};

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

QStringList paroleConTrattini(const TabellaParole &tabella) {
    QStringList parole;
    for (int riga = 1; riga <= tabella.numeroRighe(); ++riga) {
        QStringList sillabe;
        for (int colonna = 1; colonna <= tabella.sillabePerParola(); ++colonna)
            sillabe << tabella(riga, colonna);
        parole << sillabe.join(QLatin1Char('-'));
    }
    return parole;
}

// A simple syllable is a vowel alone or one consonant and a vowel; "qu" and a vowel counts too.
bool sillabaSemplice(const QString &sillaba) {
    static const QRegularExpression semplice(
        QStringLiteral("^(?:[bcdfglmnprstvz]?[aeiouàèéìíòóùú]|qu[aeiou])$"));
    return semplice.match(sillaba.toLower()).hasMatch();
}

} // namespace

class TestContenuti : public QObject {
    Q_OBJECT

private slots:
    void ogniListaEsisteESiCarica_data();
    void ogniListaEsisteESiCarica();
    void tutteEUnioneDelleAltre_data();
    void tutteEUnioneDelleAltre();
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

    int minimo = f.sillabe == 2 ? 8 : 6;
    if (ListeQuasiVuote.contains(nome))
        minimo = ListeQuasiVuote.value(nome);
    else if (ListeCorte.contains(nome))
        minimo = f.sillabe == 2 ? 4 : 3;
    QVERIFY2(
        letto.tabella.numeroRighe() >= minimo,
        qPrintable(
            QStringLiteral("%1 words, at least %2").arg(letto.tabella.numeroRighe()).arg(minimo)));

    const QStringList parole = paroleConTrattini(letto.tabella);
    QCOMPARE(QSet<QString>(parole.begin(), parole.end()).size(), parole.size());
    for (int riga = 1; riga <= letto.tabella.numeroRighe(); ++riga) {
        int semplici = 0;
        for (int colonna = 1; colonna <= f.sillabe; ++colonna) {
            const QString &sillaba = letto.tabella(riga, colonna);
            QVERIFY2(!sillaba.isEmpty() && sillaba == sillaba.toLower(),
                     qPrintable(parole[riga - 1]));
            semplici += sillabaSemplice(sillaba) ? 1 : 0;
        }
        if (f.facile)
            QVERIFY2(semplici == f.sillabe,
                     qPrintable(parole[riga - 1] + QStringLiteral(" has a harder syllable")));
        else
            QVERIFY2(semplici < f.sillabe,
                     qPrintable(parole[riga - 1] + QStringLiteral(" has only simple syllables")));
    }
}

void TestContenuti::tutteEUnioneDelleAltre_data() {
    QTest::addColumn<QString>("suffisso");
    for (const char *suffisso : {"2.txt", "3.txt", "4.txt", "5.txt"})
        QTest::newRow(suffisso) << QString::fromLatin1(suffisso);
}

void TestContenuti::tutteEUnioneDelleAltre() {
    QFETCH(QString, suffisso);
    QSet<QString> unione;
    QStringList tutte;
    for (const FileLista &f : tuttiIFile()) {
        if (f.suffisso != suffisso)
            continue;
        const QStringList parole = paroleConTrattini(leggi(f));
        if (f.codice == QStringLiteral("TUTTE"))
            tutte = parole;
        else
            unione.unite(QSet<QString>(parole.begin(), parole.end()));
    }
    QVERIFY(!unione.isEmpty());
    QCOMPARE(tutte.size(), QSet<QString>(tutte.begin(), tutte.end()).size());
    QCOMPARE(QSet<QString>(tutte.begin(), tutte.end()), unione);
    QVERIFY(tutte.size() <= MassimoParole);
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
