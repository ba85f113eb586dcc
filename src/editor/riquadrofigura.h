#pragma once

#include <QLabel>

class QMimeData;

// Shows the picture a word will have, and takes a picture file dropped from the file manager.
class RiquadroFigura : public QLabel {
    Q_OBJECT

public:
    explicit RiquadroFigura(QWidget *genitore = nullptr);
    void mostraFigura(const QImage &figura);

    static bool formatoAccettato(const QString &percorso);

signals:
    void fileLasciato(const QString &percorso);

protected:
    void dragEnterEvent(QDragEnterEvent *evento) override;
    void dropEvent(QDropEvent *evento) override;

private:
    static QString fileDa(const QMimeData *dati);
};
