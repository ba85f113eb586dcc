#pragma once

#include <QStringList>

// The screens the user can see, by name, sorted.
QStringList schermateAperte();
// Deletes the screens that closed themselves, as the event loop would.
void eliminaChiuse();
void chiudiTutte();

#include "ui/caption.h"
#include "ui/finestra.h"

#include <QAction>

// A control found by the name and index a test reads from a table (program code uses the
// name constants instead).
template <class T = QWidget, class F> T *widget(const F &f, const QString &nome, int indice = -1) {
    const QString completo = indice < 0 ? nome : QStringLiteral("%1(%2)").arg(nome).arg(indice);
    return static_cast<const Finestra *>(&*f)->findChild<T *>(completo);
}
template <class F> QAction *voce(const F &f, const QString &nome) {
    return static_cast<const Finestra *>(&*f)->findChild<QAction *>(nome);
}
