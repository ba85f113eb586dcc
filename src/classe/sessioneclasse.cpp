#include "classe/sessioneclasse.h"

#include "classe/registrorisultati.h"
#include "core/servizi.h"

namespace {

struct Stato {
    ElencoBambini elenco;
    std::unique_ptr<RegistroRisultati> registro;
};

Stato &stato() {
    static Stato s;
    return s;
}

} // namespace

namespace SessioneClasse {

QString cartella() {
    const Servizi &s = servizi();
    return s.cartellaClasse.isEmpty() ? s.cartellaUtente : s.cartellaClasse;
}

const ElencoBambini &caricaElenco() {
    const QString percorso = percorsoElencoBambini(cartella());
    stato().elenco = percorso.isEmpty() ? ElencoBambini{} : leggiElencoBambini(percorso);
    if (!bambino().isEmpty() && !stato().elenco.nomi().contains(bambino()))
        scegliBambino({});
    return stato().elenco;
}

const ElencoBambini &elenco() {
    return stato().elenco;
}

bool classePresente() {
    return !stato().elenco.vuoto();
}

QString bambino() {
    return stato().registro ? stato().registro->bambino() : QString();
}

void scegliBambino(const QString &nome) {
    if (nome == bambino())
        return;
    stato().registro.reset();
    if (nome.isEmpty() || !stato().elenco.nomi().contains(nome))
        return;
    const Servizi &s = servizi();
    stato().registro = std::make_unique<RegistroRisultati>(cartella(), s.cartellaUtente, nome);
}

void registra(const EventoGioco &evento) {
    if (stato().registro)
        stato().registro->registra(evento);
}

void svuota() {
    if (stato().registro)
        stato().registro->svuota();
}

void reimposta() {
    stato().registro.reset();
    stato().elenco = {};
}

} // namespace SessioneClasse
