#pragma once

#include <QDialog>
#include <QStringList>
#include <QVector>

class ModelloListe;
class QLabel;
class QLineEdit;
class QListWidget;

// Where a list file the game refuses goes wrong, line by line: the words read before the faulty
// line, the line itself and why the game refuses it, and the lines after it, untouched.
struct AnalisiLista {
    QVector<QStringList> parole; // the good lines before the fault (all of them when none)
    QStringList righePrima;      // their text, as written
    int numeroRiga = 0;          // 1-based; 0 when the file is sound
    QString rigaGuasta;
    QString motivo;
    QStringList righeDopo;
    bool integra() const { return numeroRiga == 0; }
    // The text again, the faulty line replaced (or dropped when `correzione` is null).
    QString testoCon(const QString &correzione) const;
};
AnalisiLista analizzaLista(const QString &testo, int sillabePerParola);

// The repair view: shows the fault and lets the teacher drop the line or correct it in place,
// fault after fault, until the game's reader takes the whole file; then the repaired words
// replace the file in the editor, to be saved through the same checks as any other.
class RiparazioneLista : public QDialog {
    Q_OBJECT

public:
    RiparazioneLista(ModelloListe &modello, const QString &nomeFile, const QString &testo,
                     QWidget *genitore = nullptr);
    void togliRiga();
    void correggiRiga(const QString &riga);

signals:
    void riparata(const QString &nomeFile);

private:
    void mostra(const QString &testo);

    ModelloListe &m_modello;
    QString m_nome;
    int m_sillabe;
    AnalisiLista m_analisi;
    QLabel *m_guasto = nullptr;
    QListWidget *m_prima = nullptr;
    QLineEdit *m_riga = nullptr;
};
