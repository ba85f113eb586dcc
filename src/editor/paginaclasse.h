#pragma once

#include "classe/elencobambini.h"
#include "core/risolutoredati.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Classe": the children's first names, each with an optional picture from the game's own, so
// a child who cannot read yet finds her button. Saved in the class folder, or the teacher's.
class PaginaClasse : public QWidget {
    Q_OBJECT
public:
    PaginaClasse(RisolutoreDati dati, QString cartella, QWidget *genitore = nullptr);

    const QList<Bambino> &bambini() const { return m_bambini; }
    QLineEdit *campoNome() const { return m_nome; }
    QComboBox *sceltaFigura() const { return m_figura; }
    QListWidget *elenco() const { return m_elenco; }
    QLabel *esito() const { return m_esito; }

    // What the buttons do, on the name and picture written and the child selected.
    bool aggiungi();
    bool rinomina();
    void togli();
    bool salva();

private:
    void mostraElenco();
    void selezionato();
    QString percorso() const;

    RisolutoreDati m_dati;
    QString m_cartella;
    QList<Bambino> m_bambini;
    QListWidget *m_elenco = nullptr;
    QLineEdit *m_nome = nullptr;
    QComboBox *m_figura = nullptr;
    QLabel *m_esito = nullptr;
};
