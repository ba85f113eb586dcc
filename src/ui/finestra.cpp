#include "ui/finestra.h"

#include "core/modulo1.h"
#include "ui/smistatoreattivazioni.h"
#include "ui/fonts.h"
#include "ui/immagine.h"
#include "ui/pictures.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <cmath>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;

int pixel(double twips) {
    return int(std::lround(twips / TwipsPerPixel));
}

// A widget seen by the resizer: its geometry in twips relative to its container.
class ControlloWidget : public ControlloRidimensionabile {
public:
    explicit ControlloWidget(QWidget *widget)
        : m_widget(widget) {}

    std::optional<double> leggi(Proprieta proprieta) const override {
        if (!m_widget)
            return std::nullopt;
        return leggiTwips(m_widget, proprieta);
    }

    bool scrivi(Proprieta proprieta, double twips) override {
        if (!m_widget)
            return false;
        scriviTwips(m_widget, proprieta, twips);
        return true;
    }

    QString tag() const override {
        return m_widget ? m_widget->property("Tag").toString() : QString();
    }

private:
    QPointer<QWidget> m_widget;
};

// A menu item has no place or size; the resizer records zeros for it and leaves it alone.
class ControlloMenu : public ControlloRidimensionabile {
public:
    explicit ControlloMenu(QAction *voce)
        : m_voce(voce) {}
    std::optional<double> leggi(Proprieta) const override { return std::nullopt; }
    bool scrivi(Proprieta, double) override { return false; }
    QString tag() const override { return m_voce ? m_voce->property("Tag").toString() : QString(); }

private:
    QPointer<QAction> m_voce;
};

// A click anywhere on a check box or option button counts, not only on its mark and text:
// small fingers miss, and the controls are scaled wider than their captions.
template <class Pulsante> class PulsanteInteramenteCliccabile : public Pulsante {
public:
    using Pulsante::Pulsante;

protected:
    bool hitButton(const QPoint &punto) const override { return this->rect().contains(punto); }
};

QHash<QString, QPointer<Finestra>> &finestreAperte() {
    static QHash<QString, QPointer<Finestra>> aperte;
    return aperte;
}

void impostaColore(QWidget *widget, QPalette::ColorRole ruolo, const QColor &colore) {
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(ruolo, colore);
    widget->setPalette(tavolozza);
}

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
    etichetta->setProperty("aspetto", int(d.aspetto));
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

QWidget *creaImmagine(const DefinizioneControllo &d, QWidget *genitore) {
    auto *immagine = new Immagine(genitore);
    immagine->setPicture(pixmapFigura(d.figura));
    return immagine;
}

QWidget *creaWidget(const DefinizioneControllo &d, QWidget *genitore) {
    switch (d.tipo) {
    case TipoControllo::Etichetta:
        return creaEtichetta(d, genitore);
    case TipoControllo::Immagine:
        return creaImmagine(d, genitore);
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

void scriviCaption(QWidget *controllo, const QString &caption) {
    if (auto *etichetta = qobject_cast<QLabel *>(controllo))
        etichetta->setText(caption);
    else if (auto *pulsante = qobject_cast<QAbstractButton *>(controllo))
        pulsante->setText(QString(caption).replace(QLatin1Char('&'), QLatin1String("&&")));
    else if (auto *cornice = qobject_cast<QGroupBox *>(controllo))
        cornice->setTitle(caption);
}

QString leggiCaption(const QWidget *controllo) {
    if (auto *etichetta = qobject_cast<const QLabel *>(controllo))
        return etichetta->text();
    if (auto *pulsante = qobject_cast<const QAbstractButton *>(controllo))
        return pulsante->text().replace(QLatin1String("&&"), QLatin1String("&"));
    if (auto *cornice = qobject_cast<const QGroupBox *>(controllo))
        return cornice->title();
    return QString();
}

double leggiTwips(const QWidget *controllo, Proprieta proprieta) {
    const QRect g = controllo->geometry();
    switch (proprieta) {
    case Proprieta::Left:
        return double(g.x()) * TwipsPerPixel;
    case Proprieta::Top:
        return double(g.y()) * TwipsPerPixel;
    case Proprieta::Width:
        return double(g.width()) * TwipsPerPixel;
    case Proprieta::Height:
        return double(g.height()) * TwipsPerPixel;
    }
    return 0;
}

void scriviTwips(QWidget *controllo, Proprieta proprieta, double twips) {
    QRect g = controllo->geometry();
    switch (proprieta) {
    case Proprieta::Left:
        g.moveLeft(pixel(twips));
        break;
    case Proprieta::Top:
        g.moveTop(pixel(twips));
        break;
    case Proprieta::Width:
        g.setWidth(std::max(0, pixel(twips)));
        break;
    case Proprieta::Height:
        g.setHeight(std::max(0, pixel(twips)));
        break;
    }
    controllo->setGeometry(g);
}

Finestra::Finestra(const DefinizioneFinestra &definizione, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_definizione(definizione) {
    SmistatoreAttivazioni::installa();
    setObjectName(definizione.nome);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(definizione.titolo);
    if (definizione.icona != Figura::Nessuna)
        setWindowIcon(iconaFigura(definizione.icona));

    m_superficie = new QWidget(this);
    m_superficie->setObjectName(QStringLiteral("superficie"));
    m_superficie->setAutoFillBackground(true);
    impostaSfondo(QColor::fromRgb(definizione.sfondo));

    costruisciControlli();
    costruisciMenu();
    resize(pixel(definizione.larghezzaCliente),
           pixel(definizione.altezzaCliente) + altezzaBarraMenu());
    sistemaSuperficie();
}

Finestra::~Finestra() {
    auto &aperte = finestreAperte();
    if (aperte.value(objectName()) == this)
        aperte.remove(objectName());
    if (Modulo1::Ridimensiona && Modulo1::Ridimensiona->SourceForm() == this)
        Modulo1::Ridimensiona->setSourceForm(nullptr);
}

void Finestra::costruisciControlli() {
    for (const DefinizioneControllo &d : m_definizione.controlli) {
        QWidget *genitore = d.contenitore.isEmpty() ? m_superficie : controllo(d.contenitore);
        Q_ASSERT_X(genitore, "Finestra", "a container must be listed before what it holds");
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
        m_controlli.append({d.nome, d.indice, widget});
    }
    // Listed front to back: raising from the back leaves the first listed on top.
    for (auto it = m_controlli.crbegin(); it != m_controlli.crend(); ++it)
        it->widget->raise();
}

void Finestra::costruisciMenu() {
    if (m_definizione.menu.isEmpty())
        return;
    m_barraMenu = new QMenuBar(this);
    m_barraMenu->setNativeMenuBar(false);
    QHash<QString, QMenu *> sottomenu;
    for (const DefinizioneVoceMenu &d : m_definizione.menu) {
        const bool haFigli =
            std::any_of(m_definizione.menu.cbegin(), m_definizione.menu.cend(),
                        [&](const DefinizioneVoceMenu &altra) { return altra.genitore == d.nome; });
        QAction *voce = nullptr;
        if (haFigli) {
            QMenu *menu = m_barraMenu->addMenu(d.caption);
            sottomenu.insert(d.nome, menu);
            voce = menu->menuAction();
        } else if (d.genitore.isEmpty()) {
            voce = m_barraMenu->addAction(d.caption);
        } else {
            voce = sottomenu.value(d.genitore)->addAction(d.caption);
            voce->setCheckable(true);
            voce->setChecked(d.spuntata);
        }
        voce->setObjectName(d.nome);
        m_menu.append({d.nome, voce});
    }
}

QWidget *Finestra::controllo(const QString &nome, int indice) const {
    for (const Voce &voce : m_controlli) {
        if (voce.indice == indice && voce.nome == nome)
            return voce.widget;
    }
    return nullptr;
}

QList<int> Finestra::indici(const QString &nome) const {
    QList<int> trovati;
    for (const Voce &voce : m_controlli) {
        if (voce.nome == nome && voce.indice >= 0)
            trovati.append(voce.indice);
    }
    std::sort(trovati.begin(), trovati.end());
    return trovati;
}

QAction *Finestra::voceMenu(const QString &nome) const {
    for (const auto &voce : m_menu) {
        if (voce.first == nome)
            return voce.second;
    }
    return nullptr;
}

void Finestra::impostaSfondo(const QColor &colore) {
    impostaColore(this, QPalette::Window, colore);
    impostaColore(m_superficie, QPalette::Window, colore);
}

Finestra *Finestra::aperta(const QString &nome) {
    return finestreAperte().value(nome);
}

Finestra *Finestra::mostra(const QString &nome, const std::function<Finestra *()> &crea) {
    if (Finestra *giaAperta = aperta(nome)) {
        giaAperta->show();
        giaAperta->raise();
        giaAperta->activateWindow();
        return giaAperta;
    }
    // A refused screen has already replaced the shared resizer; the screen that stays in
    // front gets its own back.
    const std::shared_ptr<clsResize> ridimensionaPrecedente = Modulo1::Ridimensiona;
    Finestra *nuova = crea();
    finestreAperte().insert(nome, nuova);
    nuova->onLoad();
    if (nuova->m_aperturaRifiutata) {
        delete nuova;
        Modulo1::Ridimensiona = ridimensionaPrecedente;
        return nullptr;
    }
    nuova->show();
    // Without a window manager nothing else would make the new window active.
    nuova->activateWindow();
    return nuova;
}

void Finestra::attiva() {
    m_giaAttivata = true;
    onActivate();
}

void Finestra::onResize() {
    if (Modulo1::Ridimensiona)
        Modulo1::Ridimensiona->ResizeControls();
}

void Finestra::preparaRidimensionamento() {
    Modulo1::Ridimensiona = std::make_shared<clsResize>();
    Modulo1::Ridimensiona->setSourceForm(this);
    Modulo1::Ridimensiona->SizeFormToScreen(75);
}

void Finestra::copriSchermo() {
    // Maximising is up to the window manager and may come later. Taking the size it will give
    // right away means every control is scaled before the caller reads their places.
    if (!isMaximized() && !isFullScreen()) {
        const QRect schermo = screen()->availableGeometry();
        const QRect cornice = isVisible() ? frameGeometry() : geometry();
        setGeometry(schermo.adjusted(
            geometry().left() - cornice.left(), geometry().top() - cornice.top(),
            geometry().right() - cornice.right(), geometry().bottom() - cornice.bottom()));
    }
    showMaximized();
}

void Finestra::resizeEvent(QResizeEvent *evento) {
    QWidget::resizeEvent(evento);
    sistemaSuperficie();
    onResize();
}

void Finestra::closeEvent(QCloseEvent *evento) {
    QWidget::closeEvent(evento);
    if (evento->isAccepted()) {
        auto &aperte = finestreAperte();
        if (aperte.value(objectName()) == this)
            aperte.remove(objectName());
    }
}

void Finestra::sistemaSuperficie() {
    const int barra = altezzaBarraMenu();
    if (m_barraMenu)
        m_barraMenu->setGeometry(0, 0, width(), barra);
    m_superficie->setGeometry(0, barra, width(), std::max(0, height() - barra));
}

int Finestra::altezzaBarraMenu() const {
    return m_barraMenu ? m_barraMenu->heightForWidth(std::max(1, width())) : 0;
}

QSize Finestra::margini() const {
    // The frame is known only once the window is on screen; before that there is none.
    if (!isVisible())
        return QSize(0, 0);
    const QRect esterno = frameGeometry();
    return QSize(esterno.width() - width(), esterno.height() - height());
}

int Finestra::numeroControlli() const {
    return int(m_controlli.size() + m_menu.size());
}

std::shared_ptr<ControlloRidimensionabile> Finestra::controlloNumero(int i) const {
    if (i < 0 || i >= numeroControlli())
        return nullptr;
    if (i < m_controlli.size())
        return std::make_shared<ControlloWidget>(m_controlli.at(i).widget);
    return std::make_shared<ControlloMenu>(m_menu.at(i - m_controlli.size()).second);
}

double Finestra::larghezzaCliente() const {
    return double(width()) * TwipsPerPixel;
}

double Finestra::altezzaCliente() const {
    return double(height() - altezzaBarraMenu()) * TwipsPerPixel;
}

bool Finestra::minimizzata() const {
    return isMinimized();
}

void Finestra::impostaAngolo(float top, float left) {
    move(pixel(left), pixel(top));
}

void Finestra::impostaAltezzaEsterna(double twips) {
    resize(width(), std::max(1, pixel(twips) - margini().height()));
    sistemaSuperficie(); // a hidden window gets no resize event until it is shown
}

void Finestra::impostaLarghezzaEsterna(double twips) {
    resize(std::max(1, pixel(twips) - margini().width()), height());
    sistemaSuperficie();
}

double Finestra::larghezzaSchermo() const {
    return double(screen()->geometry().width()) * TwipsPerPixel;
}

double Finestra::altezzaSchermo() const {
    return double(screen()->geometry().height()) * TwipsPerPixel;
}

void Finestra::sospendiDisegno() {
    setUpdatesEnabled(false);
}

void Finestra::riprendiDisegno() {
    setUpdatesEnabled(true);
}
