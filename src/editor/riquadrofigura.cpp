#include "editor/riquadrofigura.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

RiquadroFigura::RiquadroFigura(QWidget *genitore)
    : QLabel(genitore) {
    setAcceptDrops(true);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFixedSize(240, 200);
    setFrameShape(QFrame::StyledPanel);
    mostraFigura(QImage());
}

void RiquadroFigura::mostraFigura(const QImage &figura) {
    if (figura.isNull()) {
        setPixmap(QPixmap());
        setText(QStringLiteral("Trascina qui una figura\n(PNG, JPEG o SVG)"));
        return;
    }
    setPixmap(
        QPixmap::fromImage(figura).scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool RiquadroFigura::formatoAccettato(const QString &percorso) {
    static const QStringList estensioni{QStringLiteral("png"), QStringLiteral("jpg"),
                                        QStringLiteral("jpeg"), QStringLiteral("svg")};
    return estensioni.contains(QFileInfo(percorso).suffix().toLower());
}

QString RiquadroFigura::fileDa(const QMimeData *dati) {
    if (!dati || !dati->hasUrls() || dati->urls().size() != 1)
        return {};
    const QString percorso = dati->urls().first().toLocalFile();
    return formatoAccettato(percorso) ? percorso : QString();
}

void RiquadroFigura::dragEnterEvent(QDragEnterEvent *evento) {
    if (!fileDa(evento->mimeData()).isEmpty())
        evento->acceptProposedAction();
}

void RiquadroFigura::dropEvent(QDropEvent *evento) {
    const QString percorso = fileDa(evento->mimeData());
    if (percorso.isEmpty())
        return;
    evento->acceptProposedAction();
    emit fileLasciato(percorso);
}
