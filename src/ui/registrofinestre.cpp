#include "ui/registrofinestre.h"

#include "core/logging.h"
#include "core/modulo1.h"
#include "ui/finestra.h"

#include <QHash>
#include <QPointer>

namespace {

QHash<QString, QPointer<Finestra>> &aperte() {
    static QHash<QString, QPointer<Finestra>> finestre;
    return finestre;
}

QHash<QString, RegistroFinestre::Fabbrica> &fabbriche() {
    static QHash<QString, RegistroFinestre::Fabbrica> elenco;
    return elenco;
}

} // namespace

Finestra *RegistroFinestre::aperta(const QString &nome) {
    return aperte().value(nome);
}

Finestra *RegistroFinestre::mostra(const QString &nome) {
    const Fabbrica crea = fabbriche().value(nome);
    if (!crea) {
        qCWarning(lcDisposizione) << "no way known to open the screen" << nome;
        return nullptr;
    }
    return mostra(nome, crea);
}

Finestra *RegistroFinestre::mostra(const QString &nome, const Fabbrica &crea) {
    fabbriche().insert(nome, crea);
    if (Finestra *giaAperta = aperta(nome)) {
        giaAperta->show();
        giaAperta->raise();
        giaAperta->activateWindow();
        return giaAperta;
    }
    // A refused screen has already replaced the shared resizer; the screen that stays in
    // front gets its own back.
    const std::shared_ptr<clsResize> ridimensionaPrecedente = Modulo1::Ridimensiona;
    Finestra *nuova = crea();
    aperte().insert(nome, nuova);
    if (!nuova->carica()) {
        delete nuova;
        Modulo1::Ridimensiona = ridimensionaPrecedente;
        return nullptr;
    }
    nuova->show();
    // Without a window manager nothing else would make the new window active.
    nuova->activateWindow();
    return nuova;
}

void RegistroFinestre::dimentica(Finestra *finestra) {
    auto &finestre = aperte();
    if (finestre.value(finestra->objectName()) == finestra)
        finestre.remove(finestra->objectName());
}
