#include "screens/sceltabambino.h"

#include "core/applicationfolder.h"
#include "core/servizi.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

SceltaBambino::SceltaBambino(const QList<Bambino> &bambini, QWidget *genitore)
    : QWidget(genitore) {
    setAutoFillBackground(true);
    setObjectName(QStringLiteral("SceltaBambino"));
    auto *colonna = new QVBoxLayout(this);
    auto *titolo = new QLabel(QStringLiteral("Chi gioca?"), this);
    QFont caratteri = titolo->font();
    caratteri.setPointSize(28);
    caratteri.setBold(true);
    titolo->setFont(caratteri);
    titolo->setAlignment(Qt::AlignCenter);
    colonna->addWidget(titolo);

    auto *griglia = new QGridLayout;
    colonna->addLayout(griglia, 1);
    m_colonne = qMax(1, int(std::ceil(std::sqrt(double(bambini.size())))));
    caratteri.setPointSize(20);
    for (int i = 0; i < bambini.size(); ++i) {
        const Bambino &b = bambini.at(i);
        auto *pulsante = new QPushButton(b.nome, this);
        pulsante->setFont(caratteri);
        pulsante->setMinimumSize(120, 72);
        pulsante->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        pulsante->setAccessibleName(b.nome);
        const QPixmap figura = figuraBambino(servizi().dati(), b.figura, QSize(96, 96));
        if (!figura.isNull()) {
            pulsante->setIcon(figura);
            pulsante->setIconSize(figura.size());
        }
        pulsante->installEventFilter(this);
        connect(pulsante, &QPushButton::clicked, this,
                [this, nome = b.nome] { emit scelto(nome); });
        griglia->addWidget(pulsante, i / m_colonne, i % m_colonne);
        m_pulsanti.append(pulsante);
    }
    for (int i = 1; i < m_pulsanti.size(); ++i)
        setTabOrder(m_pulsanti.at(i - 1), m_pulsanti.at(i));
}

bool SceltaBambino::eventFilter(QObject *oggetto, QEvent *evento) {
    if (evento->type() != QEvent::KeyPress)
        return QWidget::eventFilter(oggetto, evento);
    const int qui = m_pulsanti.indexOf(static_cast<QPushButton *>(oggetto));
    if (qui < 0)
        return false;
    int passo = 0;
    switch (static_cast<QKeyEvent *>(evento)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_pulsanti.at(qui)->click();
        return true;
    case Qt::Key_Left:
        passo = -1;
        break;
    case Qt::Key_Right:
        passo = 1;
        break;
    case Qt::Key_Up:
        passo = -m_colonne;
        break;
    case Qt::Key_Down:
        passo = m_colonne;
        break;
    default:
        return false;
    }
    const int dove = qui + passo;
    if (dove >= 0 && dove < m_pulsanti.size())
        m_pulsanti.at(dove)->setFocus(Qt::TabFocusReason);
    return true;
}
