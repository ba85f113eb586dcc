#pragma once

#include <QDialog>

class QListWidget;

// The game's own pictures as a grid of thumbnails with their names, to pick one by sight.
class SceltaFiguraGioco : public QDialog {
    Q_OBJECT

public:
    explicit SceltaFiguraGioco(const QString &cartella, QWidget *genitore = nullptr);
    QListWidget *elenco() const { return m_elenco; }
    // The file chosen, or empty.
    QString scelta() const;

    static constexpr int Lato = 96;

private:
    QString m_cartella;
    QListWidget *m_elenco = nullptr;
};
