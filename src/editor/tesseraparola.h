#pragma once

#include <QFrame>
#include <QStringList>

// One word of the list being edited: its picture, its syllables, what the checker says about
// it, and buttons to edit or remove it.
class TesseraParola : public QFrame {
    Q_OBJECT

public:
    TesseraParola(const QStringList &sillabe, const QImage &figura, const QStringList &problemi,
                  QWidget *genitore = nullptr);

    static constexpr int Larghezza = 190;
    const QStringList &sillabe() const { return m_sillabe; }

signals:
    void modifica(const QStringList &sillabe);
    void togli(const QStringList &sillabe);

private:
    QStringList m_sillabe;
};
