#include "core/applicazione.h"

#include "core/logging.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

// The icons live in a static library; naming them here keeps the linker from dropping them.
static void initIconeResources() {
    Q_INIT_RESOURCE(applicazione);
}

namespace {

// The sizes rendered from the icon's drawing; the desktop and the task bar pick the nearest.
constexpr int LatiIcona[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Qt decodes every picture added to an icon at once, and eight sizes up to 256 pixels cost more
// at start than the rest of the first window. The start screen carries its own icon, so the
// program's is decoded when a window first shows it.
class IconaSuRichiesta : public QIconEngine {
public:
    explicit IconaSuRichiesta(const QString &nome)
        : m_nome(nome) {}

    QIconEngine *clone() const override { return new IconaSuRichiesta(*this); }
    QString key() const override { return QStringLiteral("zampirolo.su-richiesta"); }
    bool isNull() override { return false; }

    QList<QSize> availableSizes(QIcon::Mode modo, QIcon::State stato) override {
        if (modo != QIcon::Normal || stato != QIcon::Off)
            return icona().availableSizes(modo, stato);
        QList<QSize> misure;
        for (int lato : LatiIcona)
            misure.append(QSize(lato, lato));
        return misure;
    }
    QSize actualSize(const QSize &misura, QIcon::Mode modo, QIcon::State stato) override {
        return icona().actualSize(misura, modo, stato);
    }
    QPixmap pixmap(const QSize &misura, QIcon::Mode modo, QIcon::State stato) override {
        return icona().pixmap(misura, modo, stato);
    }
    QPixmap scaledPixmap(const QSize &misura, QIcon::Mode modo, QIcon::State stato,
                         qreal scala) override {
        return icona().pixmap(misura, scala, modo, stato);
    }
    void paint(QPainter *pittore, const QRect &rettangolo, QIcon::Mode modo,
               QIcon::State stato) override {
        icona().paint(pittore, rettangolo, Qt::AlignCenter, modo, stato);
    }

private:
    const QIcon &icona() {
        if (m_icona->isNull()) {
            for (int lato : LatiIcona)
                m_icona->addFile(QStringLiteral(":/icone/%1/%2.png").arg(m_nome).arg(lato),
                                 QSize(lato, lato));
        }
        return *m_icona;
    }

    QString m_nome;
    // Shared by the copies Qt makes, so the pictures are decoded once.
    std::shared_ptr<QIcon> m_icona = std::make_shared<QIcon>();
};

QIcon iconaApplicazione(const QString &nome) {
    return QIcon(new IconaSuRichiesta(nome));
}

bool caricaTraduzioneQt(QApplication &app) {
    auto traduzione = std::make_unique<QTranslator>();
    const QString cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!traduzione->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), cartella)) {
        qCWarning(lcAvvio) << "Traduzione italiana di Qt (qtbase_it.qm) non trovata in" << cartella
                           << "- installare qt6-translations-l10n";
        return false;
    }
    traduzione->setParent(&app); // lives as long as the application
    QApplication::installTranslator(traduzione.release());
    return true;
}

} // namespace

bool preparaApplicazione(QApplication &app, const Applicazione &applicazione) {
    initIconeResources();
    QApplication::setApplicationName(applicazione.nome);
    QGuiApplication::setDesktopFileName(applicazione.fileDesktop);
    QApplication::setWindowIcon(iconaApplicazione(applicazione.icona));
    return caricaTraduzioneQt(app);
}
