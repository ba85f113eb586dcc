#include "screens/formavvio.h"

#include "core/modulocolorisuoni.h"
#include "screens/formmenu.h"
#include "ui/costruttorecontrolli.h"
#include "ui/layouts.h"
#include "ui/registrofinestre.h"

#include <QAbstractButton>
#include <QLabel>

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
    const QColor sfondo = coloreDaBgr(ModuloColoriSuoni::ColoreCasuale());
    impostaSfondo(sfondo);
    // The title, the date and the credits are written straight on the random colour; the date
    // carries a colour of its own, so every label is told.
    const QColor scritta = coloreScrittaSu(sfondo);
    for (QLabel *etichetta : superficie()->findChildren<QLabel *>())
        impostaColore(etichetta, QPalette::WindowText, scritta);
}

void FormAvvio::onActivate() {
    copriSchermo();
}

void FormAvvio::Command1_Click() {
    FormMenu::mostra();
    close();
}
