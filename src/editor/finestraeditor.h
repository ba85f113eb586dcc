#pragma once

#include "editor/modelloliste.h"

#include <QMainWindow>
#include <memory>

class GuardiaCopiaUnica;
class PannelloParola;
class QComboBox;
class GrigliaTessere;
class QLabel;
class QPushButton;
class QUndoStack;

// The list editor: pick a list and a level, see its words with their pictures and problems,
// add, edit and remove words, import a text file, rebuild TUTTE, repair a refused file and save.
class FinestraEditor : public QMainWindow {
    Q_OBJECT

public:
    explicit FinestraEditor(RisolutoreDati dati, QWidget *genitore = nullptr);
    ~FinestraEditor() override;

    ModelloListe &modello() { return m_modello; }
    PannelloParola *pannello() const { return m_pannello; }
    // Takes the teacher's folder for this editor. When another editor holds it, asks whether to
    // go on anyway; false when the teacher would rather not.
    bool bloccaCartella();
    // The folder saving writes into.
    QString cartellaSalvataggio() const;
    bool salva();
    QUndoStack *pila() const { return m_pila; }
    void mostraAiuto();
    // A list or level to show, as the two menus choose it.
    void mostraFile(const QString &codice, const QString &cifra);
    void importaFile(const QString &percorso);
    void riparaFileMostrato();

protected:
    void closeEvent(QCloseEvent *evento) override;

private:
    QString cifraScelta() const;
    QString codiceScelto() const;
    void aggiornaTessere();
    void aggiungi();
    void togli(const QStringList &sillabe);
    void importa();
    void ricostruisciTutte();
    void segnaModifiche();
    void creaMenu();
    void registra(const QString &testo, const ModelloListe::Stato &prima);

    ModelloListe m_modello;
    std::unique_ptr<GuardiaCopiaUnica> m_guardia;
    QComboBox *m_lista = nullptr;
    QComboBox *m_livello = nullptr;
    QComboBox *m_destinazione = nullptr;
    QLabel *m_avvisoFile = nullptr;
    QPushButton *m_ripara = nullptr;
    GrigliaTessere *m_griglia = nullptr;
    PannelloParola *m_pannello = nullptr;
    QUndoStack *m_pila = nullptr;
};
