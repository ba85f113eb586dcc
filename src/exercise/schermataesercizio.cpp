#include "exercise/schermataesercizio.h"

#include "core/messageboxes.h"
#include "core/modulo1.h"
#include "core/services.h"
#include "screens/formmenu.h"
#include "ui/layouts.h"

#include <QAction>

const ConfigurazioneEsercizio &configurazioneDISEGNI1() {
    static const ConfigurazioneEsercizio c{&layoutDISEGNI1, QStringLiteral("mnuLista"),
                                           QStringLiteral("mnuInformazio")};
    return c;
}

const ConfigurazioneEsercizio &configurazioneDISEGNI2() {
    static const ConfigurazioneEsercizio c{&layoutDISEGNI2, QStringLiteral("mnulista"),
                                           QStringLiteral("Informazio")};
    return c;
}

SchermataEsercizio::SchermataEsercizio(const ConfigurazioneEsercizio &configurazione)
    : Finestra(configurazione.layout())
    , m_configurazione(configurazione) {
    connect(voceMenu(configurazione.nomeInformazioni), &QAction::triggered, this,
            &SchermataEsercizio::mnuInformazio_Click);
    connect(voceMenu(QStringLiteral("mnuEsci")), &QAction::triggered, this,
            &SchermataEsercizio::mnuEsci_Click);
}

void SchermataEsercizio::onLoad() {
    preparaRidimensionamento();
}

void SchermataEsercizio::onActivate() {
    copriSchermo();
}

void SchermataEsercizio::mnuInformazio_Click() {
    Modulo1::MostraInformazioni();
}

void SchermataEsercizio::mnuEsci_Click() {
    Messaggio messaggio;
    messaggio.titolo = QStringLiteral("Zampirolo 2");
    messaggio.testo = QStringLiteral("Vuoi tornare al menù?");
    messaggio.icona = IconaMessaggio::Domanda;
    messaggio.pulsanti = {Pulsante::Si, Pulsante::No};
    messaggio.predefinito = Pulsante::Si;
    if (servizi().messaggi->mostra(messaggio) != Pulsante::Si)
        return;
    Modulo1::ContaEsatti = 0;
    Modulo1::ContaErrati = 0;
    FormMenu::mostra();
    close();
}

SchermataEsercizio *mostraDISEGNI1() {
    return static_cast<SchermataEsercizio *>(Finestra::mostra(QStringLiteral("DISEGNI1"), [] {
        return new SchermataEsercizio(configurazioneDISEGNI1());
    }));
}

SchermataEsercizio *mostraDISEGNI2() {
    return static_cast<SchermataEsercizio *>(Finestra::mostra(QStringLiteral("DISEGNI2"), [] {
        return new SchermataEsercizio(configurazioneDISEGNI2());
    }));
}
