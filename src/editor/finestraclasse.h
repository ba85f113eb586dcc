#pragma once

#include "core/risolutoredati.h"

#include <QDialog>

class PaginaClasse;
class PaginaRisultati;
class QLabel;
class QMainWindow;
class QTabWidget;

// The teacher's window on her class: the class folder, then the "Classe" and "Risultati" pages,
// which follow the folder when it changes.
class FinestraClasse : public QDialog {
    Q_OBJECT
public:
    explicit FinestraClasse(RisolutoreDati dati, QWidget *genitore = nullptr);
    // Adds "Classe e risultati…" to the window's menu bar, opening this window over it.
    static void aggiungiAlMenu(QMainWindow *finestra, const RisolutoreDati &dati);

    PaginaClasse *paginaClasse() const { return m_classe; }
    PaginaRisultati *paginaRisultati() const { return m_risultati; }
    // Remembers the class folder (empty: none) and shows the pages for it.
    void impostaCartella(const QString &cartella);

signals:
    void cartellaCambiata(const QString &cartella);

private:
    void costruisciPagine();
    void scegliCartella();

    RisolutoreDati m_dati;
    QLabel *m_cartella = nullptr;
    QTabWidget *m_schede = nullptr;
    PaginaClasse *m_classe = nullptr;
    PaginaRisultati *m_risultati = nullptr;
};
