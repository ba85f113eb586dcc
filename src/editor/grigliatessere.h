#pragma once

#include <QList>
#include <QMultiHash>
#include <QScrollArea>
#include <QStringList>

class ModelloListe;
class QGridLayout;
class TesseraParola;

// The words of one list file as tiles, as many to a row as the width allows, each with its
// picture and what the checker says about it.
class GrigliaTessere : public QScrollArea {
    Q_OBJECT

public:
    GrigliaTessere(const ModelloListe &modello, QWidget *genitore = nullptr);
    void mostra(const QString &codice, const QString &cifra);
    const QList<TesseraParola *> &tessere() const { return m_tessere; }

signals:
    void modifica(const QStringList &sillabe);
    void togli(const QStringList &sillabe);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void disponi();

    const ModelloListe &m_modello;
    QGridLayout *m_griglia = nullptr;
    QList<TesseraParola *> m_tessere;
    QMultiHash<QString, TesseraParola *> m_perImpronta; // word, problems and picture: its tile
};
