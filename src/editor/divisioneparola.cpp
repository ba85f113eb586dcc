#include "editor/divisioneparola.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

DivisioneParola::DivisioneParola(QWidget *genitore)
    : QWidget(genitore)
    , m_riga(new QHBoxLayout(this)) {
    m_riga->setContentsMargins(0, 0, 0, 0);
    m_riga->setSpacing(0);
    m_riga->addStretch();
}

void DivisioneParola::mostra(const QString &parola, const Divisione &divisione) {
    while (QLayoutItem *voce = m_riga->takeAt(0)) {
        if (QWidget *w = voce->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete voce;
    }
    m_parola = parola;
    m_confini = QVector<bool>(parola.size() + 1, false);
    m_incerti = QVector<bool>(parola.size() + 1, false);
    m_spazi = QVector<QToolButton *>(parola.size() + 1, nullptr);
    int posizione = 0;
    for (int i = 0; i + 1 < divisione.sillabe.size(); ++i) {
        posizione += int(divisione.sillabe[i].size());
        if (posizione < m_confini.size())
            m_confini[posizione] = true;
    }
    for (int p : divisione.puntiIncerti)
        if (p > 0 && p < m_incerti.size())
            m_incerti[p] = true;

    QFont grande = font();
    grande.setPointSize(26);
    grande.setBold(true);
    for (int i = 0; i < parola.size(); ++i) {
        if (i > 0) {
            auto *spazio = new QToolButton(this);
            spazio->setAutoRaise(true);
            spazio->setFont(grande);
            spazio->setCursor(Qt::PointingHandCursor);
            m_spazi[i] = spazio;
            connect(spazio, &QToolButton::clicked, this, [this, i] {
                m_confini[i] = !m_confini[i];
                aggiornaSpazio(i);
                emit divisioneCambiata(sillabe());
            });
            m_riga->addWidget(spazio);
            aggiornaSpazio(i);
        }
        auto *lettera = new QLabel(QString(parola.at(i)), this);
        lettera->setFont(grande);
        m_riga->addWidget(lettera);
    }
    m_riga->addStretch();
}

void DivisioneParola::aggiornaSpazio(int posizione) {
    QToolButton *spazio = m_spazi.value(posizione);
    if (!spazio)
        return;
    spazio->setText(m_confini[posizione] ? QStringLiteral("-") : QString());
    // Letters of one syllable stay close; a boundary opens a gap with a hyphen.
    spazio->setFixedWidth(m_confini[posizione] || m_incerti[posizione] ? 28 : 14);
    spazio->setToolTip(m_confini[posizione] ? QStringLiteral("Clic: unisci le lettere")
                                            : QStringLiteral("Clic: dividi qui"));
    spazio->setAccessibleName(m_confini[posizione] ? QStringLiteral("divisione")
                                                   : QStringLiteral("nessuna divisione"));
    // Orange where the automatic division could not be sure: the teacher should look.
    spazio->setStyleSheet(m_incerti[posizione]
                              ? QStringLiteral("QToolButton { background: #FFC069; "
                                               "border-radius: 6px; }")
                              : QString());
}

QStringList DivisioneParola::sillabe() const {
    QStringList risultato;
    QString corrente;
    for (int i = 0; i < m_parola.size(); ++i) {
        if (i > 0 && m_confini[i]) {
            risultato << corrente;
            corrente.clear();
        }
        corrente += m_parola.at(i);
    }
    if (!corrente.isEmpty())
        risultato << corrente;
    return risultato;
}

QToolButton *DivisioneParola::spazio(int posizione) const {
    return m_spazi.value(posizione);
}
