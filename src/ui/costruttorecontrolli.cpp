#include "ui/costruttorecontrolli.h"

#include "ui/caption.h"
#include "ui/fonts.h"
#include "ui/immagine.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QToolButton>

void impostaColore(QWidget *widget, QPalette::ColorRole ruolo, const QColor &colore) {
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(ruolo, colore);
    widget->setPalette(tavolozza);
}

namespace {

// A click anywhere on a check box or option button counts, not only on its mark and text:
// small fingers miss, and the controls are scaled wider than their captions.
template <class Pulsante> class PulsanteInteramenteCliccabile : public Pulsante {
public:
    using Pulsante::Pulsante;

protected:
    bool hitButton(const QPoint &punto) const override { return this->rect().contains(punto); }
};

QWidget *creaEtichetta(const DefinizioneControllo &d, QWidget *genitore) {
    auto *etichetta = new QLabel(d.caption, genitore);
    etichetta->setTextFormat(Qt::PlainText);
    etichetta->setWordWrap(true);
    Qt::Alignment allineamento = d.centrato ? Qt::AlignHCenter : Qt::AlignLeft;
    switch (d.aspetto) {
    case Aspetto::Normale:
        allineamento |= Qt::AlignTop;
        break;
    case Aspetto::Tessera:
        allineamento |= Qt::AlignVCenter;
        etichetta->setAutoFillBackground(true);
        impostaColore(etichetta, QPalette::Window, QColor(255, 255, 255));
        break;
    case Aspetto::Casella:
        allineamento |= Qt::AlignVCenter;
        etichetta->setAutoFillBackground(true);
        impostaColore(etichetta, QPalette::Window, QColor(255, 255, 192));
        etichetta->setFrameShape(QFrame::Box);
        etichetta->setLineWidth(1);
        break;
    }
    etichetta->setAlignment(allineamento);
    if (d.coloreTesto)
        impostaColore(etichetta, QPalette::WindowText, QColor::fromRgb(*d.coloreTesto));
    return etichetta;
}

QWidget *creaPulsante(const DefinizioneControllo &d, QWidget *genitore) {
    auto *pulsante = new QToolButton(genitore);
    scriviCaption(pulsante, d.caption);
    pulsante->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const QPixmap figura = pixmapFigura(d.figura);
    if (!figura.isNull()) {
        pulsante->setIcon(QIcon(figura));
        pulsante->setIconSize(figura.size());
    }
    return pulsante;
}

QWidget *creaWidget(const DefinizioneControllo &d, QWidget *genitore) {
    switch (d.tipo) {
    case TipoControllo::Etichetta:
        return creaEtichetta(d, genitore);
    case TipoControllo::Immagine: {
        auto *immagine = new Immagine(genitore);
        immagine->setPicture(pixmapFigura(d.figura));
        return immagine;
    }
    case TipoControllo::Pulsante:
        return creaPulsante(d, genitore);
    case TipoControllo::Opzione: {
        auto *opzione = new PulsanteInteramenteCliccabile<QRadioButton>(genitore);
        scriviCaption(opzione, d.caption);
        opzione->setChecked(d.selezionato);
        return opzione;
    }
    case TipoControllo::Casella: {
        auto *casella = new PulsanteInteramenteCliccabile<QCheckBox>(genitore);
        scriviCaption(casella, d.caption);
        return casella;
    }
    case TipoControllo::Cornice: {
        // A frame hides what lies behind it, like the window's own background.
        auto *cornice = new QGroupBox(d.caption, genitore);
        cornice->setAutoFillBackground(true);
        return cornice;
    }
    }
    return nullptr;
}

// Pictures have no caption; screen readers get a short Italian description instead.
QString nomeAccessibileImmagine(const DefinizioneControllo &d) {
    if (d.figura == Figura::P5)
        return QStringLiteral("Risposta giusta");
    if (d.figura == Figura::P6)
        return QStringLiteral("Risposta sbagliata");
    return QStringLiteral("Figura %1").arg(d.indice + 1);
}

QString nomeCompleto(const QString &nome, int indice) {
    return indice < 0 ? nome : QStringLiteral("%1(%2)").arg(nome).arg(indice);
}

} // namespace

QWidget *creaControllo(const DefinizioneControllo &d, QWidget *genitore) {
    QWidget *widget = creaWidget(d, genitore);
    widget->setObjectName(nomeCompleto(d.nome, d.indice));
    widget->setGeometry(pixel(d.left), pixel(d.top), pixel(d.width), pixel(d.height));
    if (!d.carattere.famiglia.isEmpty())
        widget->setFont(fontPer(d.carattere));
    if (d.puntatore != Figura::Nessuna)
        widget->setCursor(puntatoreFigura(d.puntatore));
    if (d.tipo == TipoControllo::Immagine)
        widget->setAccessibleName(nomeAccessibileImmagine(d));
    widget->setEnabled(d.abilitato);
    widget->setVisible(d.visibile);
    return widget;
}

QMenuBar *creaBarraMenu(const QList<DefinizioneVoceMenu> &menu, QWidget *finestra,
                        QList<QPair<QString, QPointer<QAction>>> &voci) {
    auto *barra = new QMenuBar(finestra);
    barra->setNativeMenuBar(false);
    QHash<QString, QMenu *> sottomenu;
    for (const DefinizioneVoceMenu &d : menu) {
        const bool haFigli =
            std::any_of(menu.cbegin(), menu.cend(),
                        [&](const DefinizioneVoceMenu &altra) { return altra.genitore == d.nome; });
        QAction *voce = nullptr;
        if (haFigli) {
            QMenu *tendina = barra->addMenu(d.caption);
            sottomenu.insert(d.nome, tendina);
            voce = tendina->menuAction();
        } else if (d.genitore.isEmpty()) {
            voce = barra->addAction(d.caption);
        } else {
            voce = sottomenu.value(d.genitore)->addAction(d.caption);
            voce->setCheckable(true);
            voce->setChecked(d.spuntata);
        }
        voce->setObjectName(d.nome);
        voci.append({d.nome, voce});
    }
    return barra;
}
