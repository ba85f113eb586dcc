#pragma once

#include "classe/riepilogorisultati.h"

#include <QWidget>

class GraficoRisultati;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

// "Risultati": what each child did, and the class as a whole, from the results files of the
// class folder (or the teacher's) and those still waiting on this computer.
class PaginaRisultati : public QWidget {
    Q_OBJECT
public:
    PaginaRisultati(QStringList cartelleRisultati, QWidget *genitore = nullptr);

    // Reads the files again and shows them.
    void ricarica();
    // The page as it is filtered now, for the export and for tests.
    const RiepilogoClasse &riepilogo() const { return m_riepilogo; }
    // Chooses a child by name ("" for the whole class).
    void scegliBambino(const QString &nome);
    void impostaFiltro(const FiltroRisultati &filtro);
    // Writes the page as CSV; the Italian reason on failure.
    QString esportaCsv(const QString &percorso) const;
    // After asking: one child's results, or everyone's when `bambino` is empty.
    void cancella(const QString &bambino);

    GraficoRisultati *grafico() const { return m_grafico; }
    QTableWidget *tabellaConfusioni() const { return m_confusioni; }
    QTableWidget *tabellaParole() const { return m_parole; }
    QLabel *sommario() const { return m_sommario; }

private:
    FiltroRisultati filtro() const;
    void mostra();
    void esporta();

    QStringList m_cartelle;
    RisultatiLetti m_eventi;
    RiepilogoClasse m_riepilogo;
    QComboBox *m_bambino = nullptr;
    QComboBox *m_lista = nullptr;
    QCheckBox *m_date = nullptr;
    QDateEdit *m_da = nullptr;
    QDateEdit *m_a = nullptr;
    QLabel *m_sommario = nullptr;
    GraficoRisultati *m_grafico = nullptr;
    QTableWidget *m_confusioni = nullptr;
    QTableWidget *m_parole = nullptr;
    QPushButton *m_cancellaBambino = nullptr;
};
