#include "screens/formavvio.h"

FormAvvio::FormAvvio(QWidget *parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("FormAvvio"));
    setWindowTitle(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(707, 541); // 10605 x 8115 twips
}

FormAvvio *FormAvvio::mostra() {
    auto *form = new FormAvvio;
    form->show();
    return form;
}
