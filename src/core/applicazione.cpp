#include "core/applicazione.h"

#include "core/logging.h"

#include <QApplication>
#include <QIcon>
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

QIcon iconaApplicazione(const QString &nome) {
    QIcon icona;
    for (int lato : LatiIcona)
        icona.addFile(QStringLiteral(":/icone/%1/%2.png").arg(nome).arg(lato), QSize(lato, lato));
    return icona;
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
