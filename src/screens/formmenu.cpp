#include "screens/formmenu.h"

#include "classe/sessioneclasse.h"
#include "core/finestremessaggio.h"
#include "core/logging.h"
#include "core/modulo1.h"
#include "core/modulocolorisuoni.h"
#include "core/servizi.h"
#include "exercise/schermataesercizio.h"
#include "screens/sceltabambino.h"
#include "screens/tastieramenu.h"
#include "ui/caption.h"
#include "ui/caratterigrandi.h"
#include "ui/costruttorecontrolli.h"
#include "ui/layouts.h"
#include "ui/registrofinestre.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;
using namespace NomiMenu;

} // namespace

FormMenu::FormMenu()
    : Finestra(layoutFormMenu()) {
    const auto collega = [this](NomeControllo nome, void (FormMenu::*gestore)()) {
        connect(controllo<QAbstractButton>(nome), &QAbstractButton::clicked, this, gestore);
    };
    collega(Command3D1, &FormMenu::Command3D1_Click);
    collega(Command1, &FormMenu::Command1_Click);
    collega(Command3D5, &FormMenu::Command3D5_Click);
    collega(Command3D6, &FormMenu::Command3D6_Click);
    collega(Check1, &FormMenu::Check1_Click);
    collega(Check2, &FormMenu::Check2_Click);
    // Only a click by the user asks for confirmation; marking the current list does not.
    for (int i : indici(Option1)) {
        connect(controllo<QRadioButton>(Option1, i), &QAbstractButton::clicked, this,
                [this, i] { Option1_Click(i); });
    }

    // Tab goes down the screen as a child reads it.
    QList<QAbstractButton *> pulsanti;
    for (NomeControllo nome : {Command3D1, Command1, Check1, Check2, Command3D6, Command3D5})
        pulsanti.append(controllo<QAbstractButton>(nome));
    for (int i = 1; i < pulsanti.size(); ++i)
        setTabOrder(pulsanti.at(i - 1), pulsanti.at(i));
    QList<QRadioButton *> opzioni;
    for (int i : indici(Option1))
        opzioni.append(controllo<QRadioButton>(Option1, i));
    new TastieraMenu(pulsanti, opzioni, this);
}

FormMenu *FormMenu::mostra() {
    return static_cast<FormMenu *>(
        RegistroFinestre::mostra(NomiFinestre::FormMenu, [] { return new FormMenu; }));
}

void FormMenu::onLoad() {
    preparaRidimensionamento();
    controllo<QCheckBox>(Check1)->setChecked(Modulo1::SuoniAttivi);
    controllo<QCheckBox>(Check2)->setChecked(Modulo1::CaratteriGrandi);
    const QColor sfondo = coloreDaBgr(ModuloColoriSuoni::ColoreCasuale());
    impostaSfondo(sfondo);
    // The switches, the list frame's title and its options are written straight on the random
    // colour: black would vanish on the blue and the dark red, white on the pale ones.
    impostaColore(superficie(), QPalette::WindowText, coloreScrittaSu(sfondo));
    for (NomeControllo nome : {Check1, Check2}) {
        QWidget *casella = controllo(nome);
        QPalette tavolozza = casella->palette();
        tavolozza.setColor(QPalette::Window, palette().color(QPalette::Window));
        casella->setPalette(tavolozza);
        // A check box fills with its button colour unless told to use the window's.
        casella->setBackgroundRole(QPalette::Window);
        casella->setAutoFillBackground(true);
    }

    // Without a class file the menu is the one it always was, and nothing is written.
    const ElencoBambini &elenco = SessioneClasse::caricaElenco();
    for (const QString &avviso : elenco.avvisi)
        qCWarning(lcDati).noquote() << "Elenco della classe:" << avviso;
    if (!SessioneClasse::classePresente())
        return;
    m_chiGioca = new QPushButton(superficie());
    m_chiGioca->setObjectName(QStringLiteral("ChiGioca"));
    QFont caratteri = m_chiGioca->font();
    caratteri.setPointSize(14);
    m_chiGioca->setFont(caratteri);
    connect(m_chiGioca, &QPushButton::clicked, this, &FormMenu::mostraSceltaBambino);
    m_chiGioca->show();
    sistemaClasse();
    if (SessioneClasse::bambino().isEmpty())
        mostraSceltaBambino();
}

void FormMenu::sistemaClasse() {
    if (!m_chiGioca)
        return;
    const QString bambino = SessioneClasse::bambino();
    m_chiGioca->setText(bambino.isEmpty() ? QStringLiteral("Chi gioca?")
                                          : QStringLiteral("Gioca:\n%1").arg(bambino));
    m_chiGioca->setAccessibleName(m_chiGioca->text());
    // In the margin right of the buttons, which the layout leaves empty.
    const QRect area = superficie()->rect();
    m_chiGioca->setGeometry(int(area.width() * 0.765), int(area.height() * 0.045),
                            int(area.width() * 0.215), int(area.height() * 0.155));
    if (m_scelta)
        m_scelta->setGeometry(area);
}

void FormMenu::onResize() {
    Finestra::onResize();
    sistemaClasse();
}

void FormMenu::mostraSceltaBambino() {
    if (m_scelta)
        return;
    m_nascosti.clear();
    // Hidden, not covered: Tab must not reach a button the child cannot see.
    for (QObject *figlio : superficie()->children()) {
        auto *widget = qobject_cast<QWidget *>(figlio);
        if (widget && !widget->isHidden() && !widget->isWindow()) {
            m_nascosti.append(widget);
            widget->hide();
        }
    }
    m_scelta = new SceltaBambino(SessioneClasse::elenco().bambini, superficie());
    QPalette tavolozza = m_scelta->palette();
    tavolozza.setColor(QPalette::Window, palette().color(QPalette::Window));
    m_scelta->setPalette(tavolozza);
    connect(m_scelta, &SceltaBambino::scelto, this, &FormMenu::bambinoScelto);
    sistemaClasse();
    m_scelta->show();
    const QString bambino = SessioneClasse::bambino();
    QPushButton *primo = m_scelta->pulsanti().value(0);
    for (QPushButton *p : m_scelta->pulsanti()) {
        if (p->text() == bambino)
            primo = p;
    }
    if (primo)
        primo->setFocus(Qt::TabFocusReason);
}

void FormMenu::bambinoScelto(const QString &nome) {
    SessioneClasse::scegliBambino(nome);
    if (SceltaBambino *scelta = m_scelta) {
        m_scelta = nullptr;
        scelta->hide();
        scelta->deleteLater();
    }
    for (const QPointer<QWidget> &widget : m_nascosti) {
        if (widget)
            widget->show();
    }
    m_nascosti.clear();
    sistemaClasse();
    controllo(Command3D1)->setFocus(Qt::TabFocusReason);
}

void FormMenu::onActivate() {
    copriSchermo();
}

void FormMenu::Check1_Click() {
    Modulo1::SuoniAttivi = controllo<QCheckBox>(Check1)->isChecked();
}

void FormMenu::Check2_Click() {
    Modulo1::CaratteriGrandi = controllo<QCheckBox>(Check2)->isChecked();
    adattaCaratteri(*this);
}

void FormMenu::Command3D1_Click() {
    // A list that cannot fill the exercise keeps the child here.
    if (mostraDISEGNI1())
        close();
}

void FormMenu::Command1_Click() {
    if (mostraDISEGNI2())
        close();
}

void FormMenu::Command3D5_Click() {
    Modulo1::ConfermaUscita();
}

void FormMenu::Command3D6_Click() {
    QWidget *frame1 = controllo(Frame1);
    frame1->setGeometry(superficie()->rect());

    const auto colonna = [this](int primo, int ultimo, double left) {
        for (int i = primo; i <= ultimo; ++i) {
            const double h = leggiTwips(controllo(Option1, 0), Proprieta::Height);
            QWidget *opzione = controllo(Option1, i);
            scriviTwips(opzione, Proprieta::Left, left);
            scriviTwips(opzione, Proprieta::Top, 600 + (i - primo) * (h + 100));
        }
    };
    colonna(0, 8, 500);
    colonna(9, 16, 5000);

    for (int i = 0; i < Modulo1::NumeroListe; ++i) {
        auto *opzione = controllo<QRadioButton>(Option1, i);
        QFont font = opzione->font();
        font.setPointSizeF(12);
        opzione->setFont(font);
        scriviTwips(opzione, Proprieta::Width, 3500);
        scriviCaption(opzione, Modulo1::ElencoListe[i][Modulo1::ColonnaCaption]);
        opzione->setChecked(i == Modulo1::ListaScelta);
    }
    frame1->show();
    adattaCaratteri(*this);
    controllo(Option1, Modulo1::ListaScelta)->setFocus(Qt::TabFocusReason);
}

void FormMenu::Option1_Click(int index) {
    const QString testo =
        QStringLiteral("Hai scelto di lavorare con ") + leggiCaption(controllo(Option1, index));
    if (mostraMessaggio(testo, IconaMessaggio::Informazione, {Pulsante::Ok, Pulsante::Annulla}) !=
        Pulsante::Ok)
        return;
    Modulo1::ListaScelta = qint16(index);
    controllo(Frame1)->hide();
    controllo(Command3D6)->setFocus(Qt::TabFocusReason);
}
