#include "classe/impostazioniclasse.h"

#include <QSettings>

namespace {

const QString Chiave = QStringLiteral("classe/cartella");

// The game and the editor have different application names but share this one file.
const QString Organizzazione = QStringLiteral("zampirolo2");

} // namespace

QString cartellaClasseImpostata() {
    const QSettings s(QSettings::NativeFormat, QSettings::UserScope, Organizzazione,
                      Organizzazione);
    return s.value(Chiave).toString();
}

void impostaCartellaClasse(const QString &cartella) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, Organizzazione, Organizzazione);
    if (cartella.isEmpty())
        s.remove(Chiave);
    else
        s.setValue(Chiave, cartella);
}
