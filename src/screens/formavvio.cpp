#include "screens/formavvio.h"

#include "core/modulocolorisuoni.h"
#include "screens/formmenu.h"
#include "ui/layouts.h"
#include "ui/registrofinestre.h"

#include <QAbstractButton>

FormAvvio::FormAvvio()
    : Finestra(layoutFormAvvio()) {
    connect(controllo<QAbstractButton>(NomiAvvio::Command1), &QAbstractButton::clicked, this,
            &FormAvvio::Command1_Click);
}

FormAvvio *FormAvvio::mostra() {
    return static_cast<FormAvvio *>(
        RegistroFinestre::mostra(NomiFinestre::FormAvvio, [] { return new FormAvvio; }));
}

void FormAvvio::onLoad() {
    preparaRidimensionamento();
    impostaSfondo(coloreDaBgr(ModuloColoriSuoni::ColoreCasuale()));
}

void FormAvvio::onActivate() {
    copriSchermo();
}

void FormAvvio::Command1_Click() {
    FormMenu::mostra();
    close();
}
