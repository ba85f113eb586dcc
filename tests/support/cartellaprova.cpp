#include "support/cartellaprova.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QStringDecoder>
#include <QStringEncoder>

CartellaProva::CartellaProva() {
    QDir cartella(m_cartella.path());
    cartella.mkpath(QStringLiteral("testizampirolo2"));
    cartella.mkpath(QStringLiteral("images0"));
}

void CartellaProva::scriviTesto(const QString &nomeFile, const QByteArray &contenuto) {
    QFile file(m_cartella.filePath(QStringLiteral("testizampirolo2/") + nomeFile));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(contenuto);
}

void CartellaProva::scriviLista(const QString &nomeFile, const QStringList &parole) {
    QString testo;
    for (const QString &parola : parole) {
        QStringList campi;
        for (const QString &sillaba : parola.split(QLatin1Char(',')))
            campi << QLatin1Char('"') + sillaba + QLatin1Char('"');
        testo += campi.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    QStringEncoder cp1252("windows-1252");
    scriviTesto(nomeFile, cp1252(testo));
}

QColor CartellaProva::coloreDi(const QString &parola) {
    const QByteArray h = QCryptographicHash::hash(parola.toUtf8(), QCryptographicHash::Md5);
    // Well apart from each other and from the placeholder's greys.
    return QColor::fromHsv(uchar(h[0]) * 359 / 255, 255, 200 + uchar(h[1]) % 56);
}

void CartellaProva::scriviFigura(const QString &parola) {
    QImage figura(48, 40, QImage::Format_RGB32);
    figura.fill(coloreDi(parola));
    figura.save(m_cartella.filePath(QStringLiteral("images0/") + parola + QStringLiteral(".jpg")),
                "JPG", 95);
}

void CartellaProva::scriviFigure(const QStringList &parole) {
    for (const QString &parola : parole)
        scriviFigura(QString(parola).remove(QLatin1Char(',')));
}

bool haColore(const QPixmap &figura, const QColor &colore) {
    if (figura.isNull())
        return false;
    const QImage immagine = figura.toImage();
    const QColor centro = immagine.pixelColor(immagine.width() / 2, immagine.height() / 2);
    return qAbs(centro.red() - colore.red()) <= 6 && qAbs(centro.green() - colore.green()) <= 6 &&
           qAbs(centro.blue() - colore.blue()) <= 6;
}
