#include "editor/comandomodifica.h"

ComandoModifica::ComandoModifica(const QString &testo, ModelloListe &modello,
                                 ModelloListe::Stato prima, std::function<void()> mostra)
    : QUndoCommand(testo)
    , m_modello(modello)
    , m_prima(std::move(prima))
    , m_dopo(modello.stato())
    , m_mostra(std::move(mostra)) {}

void ComandoModifica::undo() {
    m_modello.ripristina(m_prima);
    m_mostra();
}

void ComandoModifica::redo() {
    if (m_fatto) {
        m_fatto = false;
        return;
    }
    m_modello.ripristina(m_dopo);
    m_mostra();
}
