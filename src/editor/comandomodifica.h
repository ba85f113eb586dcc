#pragma once

#include "editor/modelloliste.h"

#include <QUndoCommand>

#include <functional>

// One change of the lists (an addition, an edit, a removal, an import, TUTTE rebuilt), undone
// and redone whole by putting back the lists as they were before or after it.
class ComandoModifica : public QUndoCommand {
public:
    ComandoModifica(const QString &testo, ModelloListe &modello, ModelloListe::Stato prima,
                    std::function<void()> mostra);
    void undo() override;
    void redo() override;

private:
    ModelloListe &m_modello;
    ModelloListe::Stato m_prima;
    ModelloListe::Stato m_dopo;
    std::function<void()> m_mostra;
    bool m_fatto = true; // the change is already made when the command is pushed
};
