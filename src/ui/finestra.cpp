#include "ui/finestra.h"

#include "core/modulo1.h"
#include "ui/caratterigrandi.h"
#include "ui/costruttorecontrolli.h"
#include "ui/pictures.h"
#include "ui/registrofinestre.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>

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

    for (const DefinizioneControllo &d : m_definizione.controlli) {
        QWidget *genitore = d.contenitore.isEmpty() ? m_superficie : cerca(d.contenitore, -1);
        Q_ASSERT_X(genitore, "Finestra", "a container must be listed before what it holds");
        m_controlli.append({d.nome, d.indice, creaControllo(d, genitore), QString()});
    }
    // Listed front to back: raising from the back leaves the first listed on top.
    for (auto it = m_controlli.crbegin(); it != m_controlli.crend(); ++it)
        it->widget->raise();
    if (!m_definizione.menu.isEmpty())
        m_barraMenu = creaBarraMenu(m_definizione.menu, this, m_menu);

    resize(pixel(definizione.larghezzaCliente),
           pixel(definizione.altezzaCliente) + altezzaBarraMenu());
    sistemaSuperficie();
}

Finestra::~Finestra() {
    RegistroFinestre::dimentica(this);
    if (Modulo1::Ridimensiona && Modulo1::Ridimensiona->SourceForm() == &m_adattatore)
        Modulo1::Ridimensiona->setSourceForm(nullptr);
}

int Finestra::posizione(const QString &nome, int indice) const {
    for (int i = 0; i < m_controlli.size(); ++i) {
        if (m_controlli.at(i).indice == indice && m_controlli.at(i).nome == nome)
            return i;
    }
    return -1;
}

QWidget *Finestra::cerca(const QString &nome, int indice) const {
    const int i = posizione(nome, indice);
    return i < 0 ? nullptr : m_controlli.at(i).widget.data();
}

QWidget *Finestra::controllo(NomeControllo nome, int indice) const {
    return cerca(nome.testo(), indice);
}

void Finestra::impostaTag(NomeControllo nome, int indice, const QString &tag) {
    const int i = posizione(nome.testo(), indice);
    if (i >= 0)
        m_controlli[i].tag = tag;
}

QList<int> Finestra::indici(NomeControllo nome) const {
    const QString testo = nome.testo();
    QList<int> trovati;
    for (const ControlloCostruito &c : m_controlli) {
        if (c.nome == testo && c.indice >= 0)
            trovati.append(c.indice);
    }
    std::sort(trovati.begin(), trovati.end());
    return trovati;
}

QAction *Finestra::voceMenu(NomeControllo nome) const {
    const QString testo = nome.testo();
    for (const auto &voce : m_menu) {
        if (voce.first == testo)
            return voce.second;
    }
    return nullptr;
}

void Finestra::impostaSfondo(const QColor &colore) {
    impostaColore(this, QPalette::Window, colore);
    impostaColore(m_superficie, QPalette::Window, colore);
}

bool Finestra::carica() {
    onLoad();
    return !m_aperturaRifiutata;
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
    Modulo1::Ridimensiona->setSourceForm(&m_adattatore);
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
    adattaCaratteriBarra(*this);
    sistemaSuperficie();
    onResize();
    adattaCaratteri(*this);
}

void Finestra::closeEvent(QCloseEvent *evento) {
    QWidget::closeEvent(evento);
    if (evento->isAccepted())
        RegistroFinestre::dimentica(this);
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
