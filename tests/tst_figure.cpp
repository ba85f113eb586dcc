// Word pictures are decoded at the size they are shown at, whatever the size of the file.
#include "core/modulo1.h"
#include "exercise/figureparole.h"
#include "exercise/schermataesercizio.h"
#include "support/cartellaprova.h"
#include "support/schermate.h"
#include "support/testdoubles.h"
#include "ui/immagine.h"
#include "ui/nomicontrolli.h"

#include <QBuffer>
#include <QScreen>
#include <QtTest>

namespace {

// A 5000 x 5000 photo would take 100 MB decoded at full size.
QByteArray jpegGrande(const QSize &misura) {
    QImage figura(misura, QImage::Format_Grayscale8);
    figura.fill(90);
    QByteArray byte;
    QBuffer buffer(&byte);
    buffer.open(QIODevice::WriteOnly);
    figura.save(&buffer, "JPG", 50);
    return byte;
}

QSize misuraInPixel(const QWidget *w) {
    return (QSizeF(w->size()) * w->devicePixelRatioF()).toSize();
}

} // namespace

class TestFigure : public QObject {
    Q_OBJECT

private slots:
    void figureGrandiDecodificateAllaMisuraDelloSchermo() {
        const QStringList parole = {"pa,la", "ca,sa", "lu,na", "ra,ne"};
        CartellaProva cartella;
        cartella.scriviLista(QStringLiteral("TUTTE2.txt"), parole);
        const QByteArray grande = jpegGrande(QSize(5000, 5000));
        for (const QString &parola : parole)
            scriviFile(cartella.percorso() + QStringLiteral("/images0/") +
                           QString(parola).remove(QLatin1Char(',')) + QStringLiteral(".jpg"),
                       grande);
        AmbienteDiProva ambiente(cartella.percorso());
        Modulo1::RiempiElencoListe();
        const auto chiudi = qScopeGuard([] { chiudiTutte(); });

        SchermataEsercizio *s = apriEsercizio(1);
        QVERIFY(s);
        for (int k = 0; k < 4; ++k) {
            const auto *area = s->controllo<Immagine>(NomiEsercizi::Image1, k);
            QVERIFY(!area->size().isEmpty());
            QCOMPARE(area->picture().size(), misuraInPixel(area));
        }
    }
    // As today, the picture is stretched to the area, whatever its proportions.
    void areaCheCresceRidecodificaLaFigura() {
        CartellaProva cartella;
        scriviFile(cartella.percorso() + QStringLiteral("/images0/treno.jpg"),
                   jpegGrande(QSize(4000, 1000)));
        AmbienteDiProva ambiente(cartella.percorso());
        Immagine area;
        area.resize(150, 120);
        area.show();
        area.setSorgente(sorgenteFiguraParola(QStringLiteral("treno")));
        QCOMPARE(area.picture().size(), misuraInPixel(&area));

        area.resize(300, 200);
        QTRY_COMPARE(area.picture().size(), misuraInPixel(&area));
        const QSize grande = area.picture().size();
        area.resize(100, 90); // a smaller area keeps the sharper picture it has
        QTest::qWait(10);
        QCOMPARE(area.picture().size(), grande);
    }
    void figuraIlleggibileAvvisaUnaVoltaSola() {
        CartellaProva cartella;
        cartella.scriviTesto(QStringLiteral("../images0/luna.jpg"), "non una figura");
        AmbienteDiProva ambiente(cartella.percorso());
        Immagine area;
        area.resize(150, 120);
        area.show();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("luna.*non leggibile")));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("luna")));
        area.setSorgente(sorgenteFiguraParola(QStringLiteral("luna")));
        area.resize(400, 300);
        QTest::qWait(10);
        QCOMPARE(area.picture().toImage(), figuraSegnaposto().toImage());
    }
};

QTEST_MAIN(TestFigure)
#include "tst_figure.moc"
