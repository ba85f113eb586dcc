// Word pictures are decoded at the size they are shown at, whatever the size of the file.
#include "core/modulo1.h"
#include "exercise/figureparole.h"
#include "exercise/schermataesercizio.h"
#include "support/cartellaprova.h"
#include "support/schermate.h"
#include "support/testdoubles.h"
#include "ui/immagine.h"
#include "ui/nomicontrolli.h"

#include <QScreen>
#include <QtTest>

namespace {

// Sharp (it covers the area) and cheap (no more than four times the area's pixels).
bool giustaPerLArea(const Immagine *area) {
    const QSize figura = area->picture().size();
    const QSize misura = (QSizeF(area->size()) * area->devicePixelRatioF()).toSize();
    return figura.width() >= misura.width() && figura.height() >= misura.height() &&
           qint64(figura.width()) * figura.height() <= 4 * qint64(misura.width()) * misura.height();
}

} // namespace

class TestFigure : public QObject {
    Q_OBJECT

    std::unique_ptr<CartellaProva> m_cartella;
    std::unique_ptr<AmbienteDiProva> m_ambiente;

    // A 5000 x 5000 photo would take 100 MB decoded at full size.
    void scriviFigura(const QString &parola, const QSize &misura) {
        QImage figura(misura, QImage::Format_Grayscale8);
        figura.fill(90);
        QVERIFY(figura.save(m_cartella->percorso() + "/images0/" + parola + ".jpg", "JPG", 50));
    }

private slots:
    void init() {
        m_cartella = std::make_unique<CartellaProva>();
        m_ambiente = std::make_unique<AmbienteDiProva>(m_cartella->percorso());
    }
    void cleanup() {
        chiudiTutte();
        m_ambiente.reset();
    }

    void figureGrandiDecodificateAllaMisuraDelloSchermo() {
        const QStringList parole = {"pa,la", "ca,sa", "lu,na", "ra,ne"};
        m_cartella->scriviLista(QStringLiteral("TUTTE2.txt"), parole);
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
        Immagine area;
        area.resize(150, 120);
        area.show();
        area.setSorgente(sorgenteFiguraParola(QStringLiteral("treno")));
        QVERIFY(giustaPerLArea(&area));

        area.resize(300, 200);
        QTRY_VERIFY(giustaPerLArea(&area));
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
        QVERIFY(rossa.save(m_cartella->percorso() + "/images0/luna.jpg", "PNG"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("luna")));
        Immagine area;
        area.resize(150, 120);
        area.setSorgente(sorgenteFiguraParola(QStringLiteral("luna")));
        QCOMPARE(area.picture().toImage().pixelColor(60, 50), QColor(Qt::red));
    }
    void figuraIlleggibileAvvisaUnaVoltaSola() {
        scriviFile(m_cartella->percorso() + "/images0/luna.jpg", "non una figura");
        Immagine area;
        area.resize(150, 120);
        area.show();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("luna.*non leggibile"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("luna")));
        area.setSorgente(sorgenteFiguraParola(QStringLiteral("luna")));
        area.resize(400, 300);
        QTest::qWait(10);
        QCOMPARE(area.picture().toImage(), figuraSegnaposto().toImage());
    }
};

QTEST_MAIN(TestFigure)
#include "tst_figure.moc"
