#include "support/cartellaprova.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QStringEncoder>

#include <sys/stat.h>

CartellaProva::CartellaProva() {
    QDir(m_cartella.path()).mkpath(QStringLiteral("testizampirolo2"));
    QDir(m_cartella.path()).mkpath(QStringLiteral("images0"));
}

void CartellaProva::scriviTesto(const QString &nomeFile, const QByteArray &contenuto) {
    scriviFile(m_cartella.filePath(QStringLiteral("testizampirolo2/") + nomeFile), contenuto);
}

QString scriviFile(const QString &percorso, const QByteArray &byte) {
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile file(percorso);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(byte);
    return percorso;
}

QByteArray leggiFile(const QString &percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CartellaProva::scriviLista(const QString &nomeFile, const QStringList &parole) {
    QString testo;
    for (const QString &parola : parole) {
        testo += QLatin1Char('"') + QString(parola).replace(",", "\",\"") + "\"\r\n";
        QImage figura(48, 40, QImage::Format_RGB32);
        figura.fill(coloreDi(QString(parola).remove(',')));
        figura.save(m_cartella.filePath("images0/" + QString(parola).remove(',') + ".jpg"), "JPG",
                    95);
    }
    scriviTesto(nomeFile, QStringEncoder("windows-1252")(testo));
}

QColor CartellaProva::coloreDi(const QString &parola) {
    const QByteArray h = QCryptographicHash::hash(parola.toUtf8(), QCryptographicHash::Md5);
    // Well apart from each other and from the placeholder's greys.
    return QColor::fromHsv(uchar(h[0]) * 359 / 255, 255, 200 + uchar(h[1]) % 56);
}

bool haColore(const QPixmap &figura, const QColor &colore) {
    const QImage immagine = figura.toImage();
    const QColor c = immagine.pixelColor(immagine.width() / 2, immagine.height() / 2);
    return !figura.isNull() && qAbs(c.red() - colore.red()) <= 6 &&
           qAbs(c.green() - colore.green()) <= 6 && qAbs(c.blue() - colore.blue()) <= 6;
}

bool creaNonNormale(const QString &percorso, const QByteArray &tipo) {
    if (tipo == "fifo")
        return ::mkfifo(QFile::encodeName(percorso).constData(), 0600) == 0;
    if (tipo == "zero" || tipo == "null")
        return QFile::link(QStringLiteral("/dev/") + QLatin1String(tipo), percorso);
    return tipo == "cartella" && QDir().mkpath(percorso);
}

QString carattereNascosto(const QString &testo) {
    for (const QChar c : testo) {
        if (c != QLatin1Char('\n') &&
            (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format))
            return QStringLiteral("U+%1 in: %2")
                .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                .arg(testo);
    }
    return {};
}
