#include "core/modulo1.h"
#include "core/modulocolorisuoni.h"
#include "core/sorgentecasuale.h"
#include "core/riproduttoresuoni.h"
#include "core/infowav.h"
#include "support/testdoubles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace ModuloColoriSuoni;

namespace {

QByteArray le32(quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le16(quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray fmt(quint16 codifica, quint16 canali, quint32 frequenza, quint16 bit) {
    const quint16 blocco = quint16(canali * bit / 8);
    return "fmt " + le32(16) + le16(codifica) + le16(canali) + le32(frequenza) +
           le32(frequenza * blocco) + le16(blocco) + le16(bit);
}

QByteArray wav(const QByteArray &blocchi) {
    return "RIFF" + le32(quint32(4 + blocchi.size())) + "WAVE" + blocchi;
}

// A short square tone, mono 16-bit, so the Qt player has something real to decode.
QByteArray tono(int campioni) {
    QByteArray dati;
    for (int i = 0; i < campioni; ++i)
        dati += le16(quint16(qint16((i % 50 < 25) ? 3000 : -3000)));
    return wav(fmt(1, 1, 22050, 16) + "data" + le32(quint32(dati.size())) + dati);
}

void scriviWav(const QString &percorso, const QByteArray &byte = tono(2205)) {
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(byte);
}

} // namespace

class TestColoriSuoni : public QObject {
    Q_OBJECT

private slots:
    void suoniSpentiNonSuonanoNeEstraggono();
    void suonoGiustoSceglieOgniFileUnQuartoDelleVolte();
    void suonoSbagliatoSuonaSempreNoSenzaEstrarre();
    void coloreCasualeStaNellaTavolozzaERosaValeDoppio();
    void coloriConvertitiDalFormatoBgr_data();
    void coloriConvertitiDalFormatoBgr();
    void estrazioneArrotondaVersoIlBasso_data();
    void estrazioneArrotondaVersoIlBasso();
    void generatoreRestaInZeroUnoEDipendeDalSeme();
    void intestazioneWavLetta_data();
    void intestazioneWavLetta();
    void riproduttoreQtNonSiBloccaSuFileMancantiOGuasti();
    void riproduttoreQtFermaIlSuonoPrecedente();
};

void TestColoriSuoni::suoniSpentiNonSuonanoNeEstraggono() {
    AmbienteDiProva ambiente;
    Modulo1::SuoniAttivi = false;
    for (int i = 0; i < 20; ++i) {
        SuonoGiusto();
        SuonoSbagliato();
    }
    QVERIFY(ambiente.suoni.suonati.isEmpty());
    QCOMPARE(ambiente.casuale.estrazioni, 0);
}

void TestColoriSuoni::suonoGiustoSceglieOgniFileUnQuartoDelleVolte() {
    AmbienteDiProva ambiente(QStringLiteral("/app"), 2003);
    Modulo1::SuoniAttivi = true;
    const int chiamate = 4000;
    for (int i = 0; i < chiamate; ++i)
        SuonoGiusto();

    QCOMPARE(ambiente.casuale.estrazioni, chiamate);
    QCOMPARE(ambiente.suoni.suonati.size(), chiamate);
    for (int n = 1; n <= 4; ++n) {
        const QString atteso =
            QDir::toNativeSeparators(QStringLiteral("/app/suoni/si%1.wav").arg(n));
        const int volte = int(ambiente.suoni.suonati.count(atteso));
        QVERIFY2(volte > 900 && volte < 1100,
                 qPrintable(QStringLiteral("si%1: %2").arg(n).arg(volte)));
    }
}

void TestColoriSuoni::suonoSbagliatoSuonaSempreNoSenzaEstrarre() {
    AmbienteDiProva ambiente(QStringLiteral("/app"));
    Modulo1::SuoniAttivi = true;
    SuonoSbagliato();
    SuonoSbagliato();
    QCOMPARE(ambiente.suoni.suonati,
             QStringList(2, QDir::toNativeSeparators(QStringLiteral("/app/suoni/no.wav"))));
    QCOMPARE(ambiente.casuale.estrazioni, 0);
}

void TestColoriSuoni::coloreCasualeStaNellaTavolozzaERosaValeDoppio() {
    AmbienteDiProva ambiente(QString(), 42);
    QHash<quint32, int> conteggi;
    const int chiamate = 18000;
    for (int i = 0; i < chiamate; ++i)
        ++conteggi[ColoreCasuale()];
    QCOMPARE(ambiente.casuale.estrazioni, chiamate);

    QSet<quint32> tavolozza;
    for (int voce = 1; voce <= VociTavolozza; ++voce)
        tavolozza.insert(VoceTavolozza(voce));
    QCOMPARE(tavolozza.size(), 17);
    QCOMPARE(QSet<quint32>(conteggi.keyBegin(), conteggi.keyEnd()), tavolozza);
    for (auto it = conteggi.cbegin(); it != conteggi.cend(); ++it) {
        const int atteso = it.key() == 0x00FFC0FF ? 2000 : 1000;
        QVERIFY2(qAbs(it.value() - atteso) < atteso / 6,
                 qPrintable(QStringLiteral("%1: %2").arg(it.key(), 0, 16).arg(it.value())));
    }
}

void TestColoriSuoni::coloriConvertitiDalFormatoBgr_data() {
    QTest::addColumn<int>("voce");
    QTest::addColumn<QColor>("colore");
    QTest::newRow("1 rosa chiaro") << 1 << QColor(255, 192, 192);
    QTest::newRow("3 rosso") << 3 << QColor(255, 0, 0);
    QTest::newRow("8 marrone") << 8 << QColor(192, 64, 0);
    QTest::newRow("12 azzurro") << 12 << QColor(0, 255, 255);
    QTest::newRow("17 blu") << 17 << QColor(0, 0, 255);
    QTest::newRow("18 magenta") << 18 << QColor(255, 0, 255);
}

void TestColoriSuoni::coloriConvertitiDalFormatoBgr() {
    QFETCH(int, voce);
    QFETCH(QColor, colore);
    QCOMPARE(coloreDaBgr(VoceTavolozza(voce)), colore);
}

void TestColoriSuoni::estrazioneArrotondaVersoIlBasso_data() {
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("atteso");
    const float quasiUno = std::nextafter(1.0f, 0.0f);
    QTest::newRow("zero") << 0.0f << 4 << 0;
    QTest::newRow("quasi uno su 4") << quasiUno << 4 << 3;
    QTest::newRow("quasi uno su 11") << quasiUno << 11 << 10;
    QTest::newRow("quasi uno su 500") << quasiUno << 500 << 499;
    QTest::newRow("un quarto esatto") << 0.25f << 4 << 1;
    QTest::newRow("appena sotto un quarto") << std::nextafter(0.25f, 0.0f) << 4 << 0;
}

void TestColoriSuoni::estrazioneArrotondaVersoIlBasso() {
    QFETCH(float, r);
    QFETCH(int, n);
    QFETCH(int, atteso);
    QCOMPARE(estrazione(r, n), atteso);
}

void TestColoriSuoni::generatoreRestaInZeroUnoEDipendeDalSeme() {
    SorgenteMersenne a(7), b(7), c(8);
    bool diverso = false;
    float minimo = 1, massimo = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = a.prossimo();
        QCOMPARE(b.prossimo(), r);
        diverso = diverso || c.prossimo() != r;
        minimo = qMin(minimo, r);
        massimo = qMax(massimo, r);
    }
    QVERIFY(minimo >= 0.0f && minimo < 0.001f);
    QVERIFY(massimo < 1.0f && massimo > 0.999f);
    QVERIFY(diverso);
}

void TestColoriSuoni::intestazioneWavLetta_data() {
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<bool>("valido");
    QTest::addColumn<double>("durata");
    const QByteArray dati = "data" + le32(4000) + QByteArray(4000, 0);
    QTest::newRow("mono 16 bit") << tono(11025) << true << 0.5;
    QTest::newRow("stereo 8 bit") << wav(fmt(1, 2, 8000, 8) + dati) << true << 0.25;
    QTest::newRow("blocco in piu prima dei dati")
        << wav(fmt(1, 1, 8000, 16) + "LIST" + le32(3) + "abc" + QByteArray(1, 0) + dati) << true
        << 0.25;
    QTest::newRow("non RIFF") << QByteArray("OggS") + QByteArray(100, 0) << false << 0.0;
    QTest::newRow("RIFF ma non WAVE") << QByteArray("RIFF") + le32(4) + "AVI " << false << 0.0;
    QTest::newRow("virgola mobile") << wav(fmt(3, 1, 8000, 32) + dati) << false << 0.0;
    QTest::newRow("ADPCM") << wav(fmt(2, 1, 8000, 4) + dati) << false << 0.0;
    QTest::newRow("dati prima del formato") << wav(dati + fmt(1, 1, 8000, 16)) << false << 0.0;
    QTest::newRow("senza dati") << wav(fmt(1, 1, 8000, 16)) << false << 0.0;
    QTest::newRow("vuoto") << QByteArray() << false << 0.0;
    // Qt waits for ever for the bytes these promise: the sound would stay silent unannounced.
    const QByteArray intero = tono(2205);
    QTest::newRow("troncato") << intero.left(intero.size() / 2) << false << 0.0;
    QByteArray enorme = intero;
    enorme.replace(enorme.indexOf("data") + 4, 4, le32(0x7FFFFFF0));
    QTest::newRow("dati dichiarati 0x7FFFFFF0") << enorme << false << 0.0;
    QTest::newRow("mezzo campione")
        << wav(fmt(1, 1, 8000, 16) + "data" + le32(4001) + QByteArray(4001, 0)) << false << 0.0;
}

void TestColoriSuoni::intestazioneWavLetta() {
    QFETCH(QByteArray, byte);
    QFETCH(bool, valido);
    QFETCH(double, durata);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("x.wav"));
    scriviWav(percorso, byte);
    const InfoWav info = leggiInfoWav(percorso);
    QCOMPARE(info.valido, valido);
    if (valido)
        QCOMPARE(info.durata(), durata);
}

void TestColoriSuoni::riproduttoreQtNonSiBloccaSuFileMancantiOGuasti() {
    QTemporaryDir cartella;
    const QString buono = cartella.filePath(QStringLiteral("si1.wav"));
    const QString guasto = cartella.filePath(QStringLiteral("si2.wav"));
    const QString mancante = cartella.filePath(QStringLiteral("no.wav"));
    const QString troncato = cartella.filePath(QStringLiteral("si3.wav"));
    // Sound RIFF allows, with a chunk of odd length before the samples, that Qt 6.4's decoder
    // still refuses: the effect ends in its error state.
    const QString indecifrabile = cartella.filePath(QStringLiteral("si4.wav"));
    scriviWav(buono);
    QFile(guasto).open(QIODevice::WriteOnly);
    scriviWav(troncato, tono(2205).left(2000));
    scriviWav(indecifrabile, wav(fmt(1, 1, 8000, 16) + "LIST" + le32(3) + "abc" + QByteArray(1, 0) +
                                 "data" + le32(4000) + QByteArray(4000, 0)));

    QStringList avvisi;
    static QStringList *raccolta = nullptr;
    raccolta = &avvisi;
    const auto precedente = qInstallMessageHandler(
        [](QtMsgType tipo, const QMessageLogContext &ctx, const QString &testo) {
            if (tipo == QtWarningMsg && QByteArray(ctx.category) == "zampirolo.suoni")
                raccolta->append(testo);
        });
    const auto ripristina = qScopeGuard([precedente] { qInstallMessageHandler(precedente); });

    QElapsedTimer tempo;
    tempo.start();
    {
        RiproduttoreSoundEffect riproduttore({buono, guasto, mancante, troncato, indecifrabile},
                                             true);
        // Said as soon as the decoder gives up, not only when the sound is asked for.
        QTRY_COMPARE(avvisi.filter(QStringLiteral("si4.wav")).size(), 1);
        for (int i = 0; i < 3; ++i) {
            for (const QString &suono : {mancante, buono, guasto, troncato, indecifrabile})
                riproduttore.riproduci(suono);
            QTest::qWait(20);
        }
        QVERIFY(!riproduttore.effetto(troncato));
    }
    const qint64 trascorsi = tempo.elapsed();

    QVERIFY2(trascorsi < 2000, qPrintable(QString::number(trascorsi)));
    QCOMPARE(avvisi.filter(QStringLiteral("no.wav")).size(), 1);
    QCOMPARE(avvisi.filter(QStringLiteral("si2.wav")).size(), 1);
    QCOMPARE(avvisi.filter(QStringLiteral("si3.wav")).size(), 1);
    QCOMPARE(avvisi.filter(QStringLiteral("si4.wav")).size(), 1);
    QCOMPARE(avvisi.size(), 4);
    QCOMPARE(avvisi.filter(QStringLiteral("si1.wav")).size(), 0);
}

void TestColoriSuoni::riproduttoreQtFermaIlSuonoPrecedente() {
    QTemporaryDir cartella;
    const QString primo = cartella.filePath(QStringLiteral("si1.wav"));
    const QString secondo = cartella.filePath(QStringLiteral("si3.wav"));
    scriviWav(primo);
    scriviWav(secondo);
    RiproduttoreSoundEffect riproduttore({primo, secondo}, true);
    QTRY_COMPARE(riproduttore.effetto(primo)->status(), QSoundEffect::Ready);
    QTRY_COMPARE(riproduttore.effetto(secondo)->status(), QSoundEffect::Ready);

    riproduttore.riproduci(primo);
    QVERIFY(riproduttore.effetto(primo)->isPlaying());
    riproduttore.riproduci(secondo);
    QVERIFY(!riproduttore.effetto(primo)->isPlaying());
    QVERIFY(riproduttore.effetto(secondo)->isPlaying());

    RiproduttoreSoundEffect muto({primo}, false);
    muto.riproduci(primo);
    QVERIFY(!muto.effetto(primo));
}

QTEST_MAIN(TestColoriSuoni)
#include "tst_colorisuoni.moc"
