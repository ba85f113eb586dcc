// Word pictures are decoded at the size they are shown at, whatever the size of the file.
#include "core/limitefigure.h"
#include "core/modulo1.h"
#include "editor/adattatorefigura.h"
#include "exercise/figureparole.h"
#include "exercise/schermataesercizio.h"
#include "liste/verificatore.h"
#include "support/cartellaprova.h"
#include "support/schermate.h"
#include "support/testdoubles.h"
#include "ui/immagine.h"
#include "ui/nomicontrolli.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <QtTest>

#include <sys/resource.h>

namespace {

// Sharp (it covers the area) and cheap (no more than four times the area's pixels).
bool giustaPerLArea(const Immagine *area) {
    const QSize figura = area->picture().size();
    const QSize misura = (QSizeF(area->size()) * area->devicePixelRatioF()).toSize();
    return figura.width() >= misura.width() && figura.height() >= misura.height() &&
           qint64(figura.width()) * figura.height() <= 4 * qint64(misura.width()) * misura.height();
}

long piccoMemoriaKb() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

// A small progressive JPEG whose header claims another size: the decoder would need the
// coefficients of the whole claimed picture before the first pixel.
QByteArray jpegProgressivo(quint16 larghezza, quint16 altezza) {
    QImage piccola(64, 64, QImage::Format_RGB32);
    piccola.fill(Qt::darkGreen);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter scrittore(&buffer, "jpeg");
    scrittore.setProgressiveScanWrite(true);
    if (!scrittore.write(piccola))
        return {};
    QByteArray byte = buffer.data();
    const qsizetype sof = byte.indexOf("\xff\xc2");
    if (sof < 0)
        return {};
    qToBigEndian(altezza, byte.data() + sof + 5);
    qToBigEndian(larghezza, byte.data() + sof + 7);
    return byte;
}

quint32 crc32(const QByteArray &byte) {
    quint32 crc = 0xFFFFFFFF;
    for (const char c : byte) {
        crc ^= quint8(c);
        for (int i = 0; i < 8; ++i)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

QByteArray pezzoPng(const QByteArray &tipo, const QByteArray &dati) {
    QByteArray lunghezza(4, 0), controllo(4, 0);
    qToBigEndian(quint32(dati.size()), lunghezza.data());
    qToBigEndian(crc32(tipo + dati), controllo.data());
    return lunghezza + tipo + dati + controllo;
}

// A whole, valid black and white PNG: a few kilobytes, far more once inflated.
QByteArray pngBiancoENero(quint32 larghezza, quint32 altezza) {
    QByteArray intestazione(13, 0);
    qToBigEndian(larghezza, intestazione.data());
    qToBigEndian(altezza, intestazione.data() + 4);
    intestazione[8] = 1; // bits per pixel
    const QByteArray righe(qsizetype(altezza) * (1 + (larghezza + 7) / 8), 0);
    const QByteArray zlib = qCompress(righe, 1).mid(4); // without Qt's length in front
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pezzoPng("IHDR", intestazione) +
           pezzoPng("IDAT", zlib) + pezzoPng("IEND", {});
}

// A shown picture area of the game, 150 x 120, with the word's picture.
std::unique_ptr<Immagine> areaCon(const QString &parola) {
    auto area = std::make_unique<Immagine>();
    area->resize(150, 120);
    area->show();
    area->setSorgente(sorgenteFiguraParola(parola));
    return area;
}

} // namespace

class TestFigure : public QObject {
    Q_OBJECT

    std::unique_ptr<ProvaSchermate> m_prova;

    // A 5000 x 5000 photo would take 100 MB decoded at full size.
    void scriviFigura(const QString &parola, const QSize &misura) {
        QImage figura(misura, QImage::Format_Grayscale8);
        figura.fill(90);
        QVERIFY(
            figura.save(m_prova->cartella.percorso() + "/images0/" + parola + ".jpg", "JPG", 50));
    }

    // The area of "luna" shows the plain landscape, and says nothing more of it when it grows.
    static bool soloSegnaposto() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("luna")));
        const auto area = areaCon(QStringLiteral("luna"));
        area->resize(400, 300);
        QTest::qWait(10);
        return area->picture().toImage() == figuraSegnaposto().toImage();
    }

private slots:
    void init() { m_prova = std::make_unique<ProvaSchermate>(); }
    void cleanup() { m_prova.reset(); }

    void figureGrandiDecodificateAllaMisuraDelloSchermo() {
        const QStringList parole = {"pa,la", "ca,sa", "lu,na", "ra,ne"};
        m_prova->cartella.scriviLista(QStringLiteral("TUTTE2.txt"), parole);
        for (const QString &parola : parole)
            scriviFigura(QString(parola).remove(','), QSize(5000, 5000));
        Modulo1::RiempiElencoListe();
        SchermataEsercizio *s = apriEsercizio(1);
        QVERIFY(s);
        for (int k = 0; k < 4; ++k) {
            const auto *area = s->controllo<Immagine>(NomiEsercizi::Image1, k);
            QVERIFY(!area->size().isEmpty() && giustaPerLArea(area));
        }
    }
    // As today, the picture is stretched to the area, whatever its proportions.
    void areaCheCresceRidecodificaLaFigura() {
        scriviFigura(QStringLiteral("treno"), QSize(4000, 1000));
        const auto area = areaCon(QStringLiteral("treno"));
        QVERIFY(giustaPerLArea(area.get()));
        area->resize(300, 200);
        QTRY_VERIFY(giustaPerLArea(area.get()));
    }
    // The decoder shrinks fast only by a half, a quarter or an eighth: a picture comes at the
    // smallest of those that covers its area, whole when none does, and is decoded again only
    // when the area outgrows it.
    void figuraDecodificataAllaRiduzioneVeloceCheCopreLArea() {
        scriviFigura(QStringLiteral("mela"), QSize(480, 400));
        const Immagine::Sorgente figura = sorgenteFiguraParola(QStringLiteral("mela"));
        int decodifiche = 0;
        Immagine area;
        area.resize(200, 150);
        area.show();
        area.setSorgente([&](const QSize &misura) {
            ++decodifiche;
            return figura(misura);
        });
        QCOMPARE(area.picture().size(), QSize(240, 200));
        area.resize(230, 190);
        area.resize(100, 90); // a smaller area keeps the sharper picture it has
        QTest::qWait(10);
        QCOMPARE(decodifiche, 1);
        QCOMPARE(area.picture().size(), QSize(240, 200));
        area.resize(300, 250);
        QTRY_COMPARE(area.picture().size(), QSize(480, 400));
        QCOMPARE(decodifiche, 2);
        area.resize(900, 700); // no more pixels to be had: asked once, then never again
        area.resize(1000, 800);
        QTest::qWait(10);
        QCOMPARE(area.picture().size(), QSize(480, 400));
        QCOMPARE(decodifiche, 3);
    }
    void figuraSalvataInUnAltroFormatoSiVede() {
        QImage rossa(120, 100, QImage::Format_RGB32);
        rossa.fill(Qt::red);
        QVERIFY(rossa.save(m_prova->cartella.percorso() + "/images0/luna.jpg", "PNG"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("luna")));
        QCOMPARE(areaCon(QStringLiteral("luna"))->picture().toImage().pixelColor(60, 50),
                 QColor(Qt::red));
    }
    // A small file whose header promises more than 50 million pixels is refused from its header
    // alone, before a pixel is decoded, by the game (the plain landscape and one log line), the
    // checker and the editor alike.
    void figuraTroppoGrandeRifiutataDallIntestazione_data() {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QSize>("promessa");
        QTest::newRow("JPEG progressivo") << jpegProgressivo(20000, 20000) << QSize(20000, 20000);
        QTest::newRow("PNG 20000 × 20000") << pngBiancoENero(20000, 20000) << QSize(20000, 20000);
    }
    void figuraTroppoGrandeRifiutataDallIntestazione() {
        QFETCH(QByteArray, byte);
        QFETCH(QSize, promessa);
        QVERIFY(!byte.isEmpty());
        const QString percorso =
            scriviFile(m_prova->cartella.percorso() + "/images0/luna.jpg", byte);
        QCOMPARE(QImageReader(percorso).size(), promessa);
        const QString misura =
            QStringLiteral("%1 × %2").arg(promessa.width()).arg(promessa.height());
        const long prima = piccoMemoriaKb();

        QImageReader lettore(percorso);
        QVERIFY(!figuraEntroLimite(lettore));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("luna.*troppo grande.*" +
                                                              QString::number(promessa.width())));
        QVERIFY(soloSegnaposto());

        const QVector<ProblemaVerifica> problemi = Verificatore::problemiFigura(percorso, 2);
        QCOMPARE(problemi.size(), 1);
        QVERIFY2(problemi.first().messaggio.contains("luna.jpg è troppo grande (" + misura),
                 qPrintable(problemi.first().messaggio));

        QString errore;
        QVERIFY(AdattatoreFigura::leggi(percorso, 2, &errore).isNull());
        QVERIFY2(errore.contains("troppo grande: " + misura + " pixel"), qPrintable(errore));

        const long crescitaMb = (piccoMemoriaKb() - prima) / 1024;
        QVERIFY2(crescitaMb < 100, qPrintable(QString::number(crescitaMb) + " MB"));
    }
    // A phone photo of 48 million pixels, over Qt's own 128 MB limit when decoded whole, is
    // fitted by the editor, shown by the game and judged by the checker by its proportions.
    void fotoDelTelefonoAccettata() {
        QImage foto(8000, 6000, QImage::Format_Indexed8);
        foto.setColorTable({qRgb(200, 30, 30), qRgb(30, 30, 200)});
        foto.fill(0);
        for (int y = 3000; y < 6000; ++y)
            std::fill_n(foto.scanLine(y), foto.width(), uchar(1));
        const QString percorso = m_prova->cartella.percorso() + "/images0/luna.jpg";
        QVERIFY(foto.save(percorso, "JPG", 50));
        foto = QImage();
        QString errore;
        const int limiteDiQt = QImageReader::allocationLimit();
        const QImage letta = AdattatoreFigura::leggi(percorso, 2, &errore);
        QVERIFY2(!letta.isNull(), qPrintable(errore));
        QCOMPARE(QImageReader::allocationLimit(), limiteDiQt); // raised for that read alone
        QCOMPARE(letta.size(), QSize(960, 720));               // decoded already shrunk
        const QVector<ProblemaVerifica> problemi = Verificatore::problemiFigura(percorso, 2);
        QCOMPARE(problemi.size(), 1);
        QVERIFY2(problemi[0].messaggio.contains("8000 × 6000 pixel: il gioco la deforma"),
                 qPrintable(problemi[0].messaggio));
        const QImage adattata = AdattatoreFigura::adatta(letta, 2);
        QVERIFY(qRed(adattata.pixel(240, 150)) > 150);
        QVERIFY(qBlue(adattata.pixel(240, 250)) > 150);

        QTest::failOnWarning(QRegularExpression(QStringLiteral("luna")));
        QVERIFY(areaCon(QStringLiteral("luna"))->picture().toImage() !=
                figuraSegnaposto().toImage());
    }
    void figuraIlleggibileAvvisaUnaVoltaSola() {
        scriviFile(m_prova->cartella.percorso() + "/images0/luna.jpg", "non una figura");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("luna.*non leggibile"));
        QVERIFY(soloSegnaposto());
    }
};

QTEST_MAIN(TestFigure)
#include "tst_figure.moc"
