// The WAV check in front of the sound player, and the player's behaviour on bad files.
#include "core/infowav.h"
#include "core/riproduttoresuoni.h"
#include "support/cartellaprova.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray le(quint32 v, int byte) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b.left(byte);
}

QByteArray fmt(quint16 codifica, quint16 canali, quint32 frequenza, quint16 bit) {
    const quint16 blocco = quint16(canali * bit / 8);
    return "fmt " + le(16, 4) + le(codifica, 2) + le(canali, 2) + le(frequenza, 4) +
           le(frequenza * blocco, 4) + le(blocco, 2) + le(bit, 2);
}

QByteArray wav(const QByteArray &blocchi) {
    return "RIFF" + le(quint32(4 + blocchi.size()), 4) + "WAVE" + blocchi;
}

// A short square tone, mono 16-bit, so the Qt player has something real to decode.
QByteArray tono(int campioni = 2205) {
    QByteArray dati;
    for (int i = 0; i < campioni; ++i)
        dati += le(quint16(qint16((i % 50 < 25) ? 3000 : -3000)), 2);
    return wav(fmt(1, 1, 22050, 16) + "data" + le(quint32(dati.size()), 4) + dati);
}

} // namespace

class TestSuoni : public QObject {
    Q_OBJECT

private slots:
    void intestazioneWav_data() {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<double>("durata"); // 0 when the file is refused
        const QByteArray dati = "data" + le(4000, 4) + QByteArray(4000, 0);
        QTest::newRow("mono 16 bit") << tono(11025) << 0.5;
        QTest::newRow("stereo 8 bit, a chunk before the data")
            << wav(fmt(1, 2, 8000, 8) + "LIST" + le(4, 4) + "abcd" + dati) << 0.25;
        QTest::newRow("not RIFF") << QByteArray("OggS") + QByteArray(100, 0) << 0.0;
        QTest::newRow("floating point") << wav(fmt(3, 1, 8000, 32) + dati) << 0.0;
        QTest::newRow("no data") << wav(fmt(1, 1, 8000, 16)) << 0.0;
        // Qt waits for ever for the bytes these promise: the sound would stay silent unannounced.
        QTest::newRow("truncated") << tono().left(tono().size() / 2) << 0.0;
        QByteArray enorme = tono();
        enorme.replace(enorme.indexOf("data") + 4, 4, le(0x7FFFFFF0, 4));
        QTest::newRow("declares 0x7FFFFFF0 bytes") << enorme << 0.0;
        QTest::newRow("half a sample")
            << wav(fmt(1, 1, 8000, 16) + "data" + le(4001, 4) + QByteArray(4001, 0)) << 0.0;
    }
    void intestazioneWav() {
        QFETCH(QByteArray, byte);
        QFETCH(double, durata);
        QTemporaryDir cartella;
        const InfoWav info = leggiInfoWav(scriviFile(cartella.filePath("x.wav"), byte));
        QCOMPARE(info.valido, durata > 0);
        if (info.valido)
            QCOMPARE(info.durata(), durata);
        else
            QVERIFY(!info.difetto.isEmpty());
    }

    // Missing, empty, truncated and undecodable files are each warned about once, never hang
    // the game, and the good file plays.
    void fileGuastiAvvisanoUnaVolta() {
        QTemporaryDir cartella;
        // Legal RIFF (a chunk of odd length before the samples) that Qt 6.4's decoder refuses:
        // the effect ends in its error state.
        const QByteArray dispari =
            wav(fmt(1, 1, 8000, 16) + "LIST" + le(3, 4) + "abc" + QByteArray(1, 0) + "data" +
                le(4000, 4) + QByteArray(4000, 0));
        QStringList tutti; // si1.wav to si4.wav, then no.wav that is not there
        for (const QByteArray &b : {tono(), QByteArray(), tono().left(2000), dispari})
            tutti << scriviFile(cartella.filePath(QString("si%1.wav").arg(tutti.size() + 1)), b);
        tutti << cartella.filePath(QStringLiteral("no.wav"));

        static QStringList *raccolta = nullptr;
        QStringList avvisi;
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
            RiproduttoreSoundEffect riproduttore(tutti, true);
            // Said as soon as the decoder gives up, not only when the sound is asked for.
            QTRY_COMPARE(avvisi.filter(QStringLiteral("si4.wav")).size(), 1);
            for (int i = 0; i < 3; ++i) {
                for (const QString &suono : tutti)
                    riproduttore.riproduci(suono);
                QTest::qWait(20);
            }
        }
        QVERIFY2(tempo.elapsed() < 2000, qPrintable(QString::number(tempo.elapsed())));
        for (const char *nome : {"si2.wav", "si3.wav", "si4.wav", "no.wav"})
            QCOMPARE(avvisi.filter(QString::fromLatin1(nome)).size(), 1);
        QCOMPARE(avvisi.size(), 4);
    }
};

QTEST_MAIN(TestSuoni)
#include "tst_suoni.moc"
