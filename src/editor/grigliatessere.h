#pragma once

#include <QList>
#include <QMultiHash>
#include <QScrollArea>
#include <QStringList>
#include <QVector>

class ModelloListe;
class QGridLayout;
class TesseraParola;

// The words of one list file as tiles, as many to a row as the width allows, each with its
// picture and what the checker says about it. Only the tiles in view, and a little beyond, are
// made: the rest are made as the teacher scrolls (or tabs) down to them.
class GrigliaTessere : public QScrollArea {
    Q_OBJECT

public:
    GrigliaTessere(const ModelloListe &modello, QWidget *genitore = nullptr);
    void mostra(const QString &codice, const QString &cifra);
    // The tiles made so far, in the list's order: the first ones of the words shown.
    const QList<TesseraParola *> &tessere() const { return m_tessere; }
    int parole() const { return int(m_parole.size()); }

signals:
    void modifica(const QStringList &sillabe);
    void togli(const QStringList &sillabe);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    TesseraParola *tesseraDi(int indice, QMultiHash<QString, TesseraParola *> &vecchie);
    void cresci();
    void disponi();
    int colonne() const;
    int altezzaFatta() const;

    const ModelloListe &m_modello;
    QGridLayout *m_griglia = nullptr;
    QString m_codice;
    QString m_cifra;
    QVector<QStringList> m_parole;
    QList<TesseraParola *> m_tessere;
    QMultiHash<QString, TesseraParola *> m_perImpronta; // word, problems and picture: its tile
};
