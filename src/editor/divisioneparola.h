#pragma once

#include "liste/sillabazione.h"

#include <QWidget>

class QHBoxLayout;
class QToolButton;

// A word's letters in a row with a button in every gap: a click puts a boundary there or takes
// it away. Gaps where the automatic division is uncertain are coloured, so the teacher looks.
class DivisioneParola : public QWidget {
    Q_OBJECT

public:
    explicit DivisioneParola(QWidget *genitore = nullptr);

    void mostra(const QString &parola, const Divisione &divisione);
    QStringList sillabe() const;
    // The gap before letter `posizione` (1 to length - 1).
    QToolButton *spazio(int posizione) const;

signals:
    void divisioneCambiata(const QStringList &sillabe);

private:
    void aggiornaSpazio(int posizione);

    QHBoxLayout *m_riga;
    QString m_parola;
    QVector<bool> m_confini;
    QVector<bool> m_incerti;
    QVector<QToolButton *> m_spazi;
};
