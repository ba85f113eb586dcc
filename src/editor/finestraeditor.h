#pragma once

#include "editor/modelloliste.h"

#include <QImage>
#include <QMainWindow>

class DivisioneParola;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class RiquadroFigura;
class TesseraParola;

// The list editor: pick a list and a level, see its words with their pictures and problems,
// add, edit and remove words, import a text file, rebuild TUTTE and save.
class FinestraEditor : public QMainWindow {
    Q_OBJECT

public:
    explicit FinestraEditor(RisolutoreDati dati, QWidget *genitore = nullptr);

    ModelloListe &modello() { return m_modello; }
    // What choosing a file or dropping one does: the picture of the word being written.
    void usaFileFigura(const QString &percorso);
    // The folder saving writes into.
    QString cartellaSalvataggio() const;
    bool salva();

protected:
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    QWidget *creaPannelloParola();
    QString cifraScelta() const;
    QString codiceScelto() const;
    void aggiornaTessere();
    void disponiTessere();
    void parolaScritta();
    void aggiornaEsito();
    void aggiungi();
    void annullaModifica();
    void modifica(const QStringList &sillabe);
    void togli(const QStringList &sillabe);
    void scegliFigura(const QString &cartella);
    void importa();
    void ricostruisciTutte();
    void segnaModifiche();

    ModelloListe m_modello;
    QComboBox *m_lista = nullptr;
    QComboBox *m_livello = nullptr;
    QComboBox *m_destinazione = nullptr;
    QLabel *m_avvisoFile = nullptr;
    QGridLayout *m_griglia = nullptr;
    QScrollArea *m_scorrimento = nullptr;
    QList<TesseraParola *> m_tessere;
    QLineEdit *m_parola = nullptr;
    DivisioneParola *m_divisione = nullptr;
    QLabel *m_esito = nullptr;
    RiquadroFigura *m_figura = nullptr;
    QPushButton *m_aggiungi = nullptr;
    QPushButton *m_annulla = nullptr;
    QImage m_figuraOriginale;
    QStringList m_inModifica;
};
