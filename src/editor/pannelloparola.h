#pragma once

#include <QImage>
#include <QScrollArea>
#include <QStringList>

class DivisioneParola;
class ModelloListe;
class QLabel;
class QLineEdit;
class QPushButton;
class RiquadroFigura;

// The side panel where a word is written, divided and given a picture, new or under edit. It
// says where the word will go and why it cannot; adding it is the window's job.
class PannelloParola : public QScrollArea {
    Q_OBJECT

public:
    PannelloParola(ModelloListe &modello, QWidget *genitore = nullptr);

    // The list and level being looked at, which the messages compare the word with.
    void impostaVista(const QString &codice, const QString &cifra);
    void modifica(const QStringList &sillabe);
    void svuota();
    void aggiornaEsito();
    // What choosing a file or dropping one does: the picture of the word being written.
    void usaFileFigura(const QString &percorso);

    QStringList sillabe() const;
    const QStringList &inModifica() const { return m_inModifica; }
    // The picture chosen for the word, as read (not yet fitted); null when none was chosen.
    const QImage &figuraScelta() const { return m_figuraOriginale; }
    bool puoiAggiungere() const;

signals:
    void confermata();

private:
    void parolaScritta();
    void scegliFigura(const QString &cartella);

    ModelloListe &m_modello;
    QString m_codice;
    QString m_cifra;
    QLineEdit *m_parola = nullptr;
    DivisioneParola *m_divisione = nullptr;
    QLabel *m_titolo = nullptr;
    QLabel *m_esito = nullptr;
    RiquadroFigura *m_figura = nullptr;
    QPushButton *m_aggiungi = nullptr;
    QPushButton *m_annulla = nullptr;
    QImage m_figuraOriginale;
    QStringList m_inModifica;
};
