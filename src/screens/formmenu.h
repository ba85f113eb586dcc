#pragma once

#include "screens/sceltabambino.h"
#include "ui/finestra.h"

#include <QPointer>

class QPushButton;

// The hub: opens either exercise, chooses the word list, switches the sounds, quits.
class FormMenu : public Finestra {
    Q_OBJECT
public:
    FormMenu();

    // Shows the menu as a non-modal window, creating it if it is not open.
    static FormMenu *mostra();

    // With a class: the button that shows who plays and lets another child choose.
    QPushButton *pulsanteChiGioca() const { return m_chiGioca; }
    // "Chi gioca?" while it is on screen.
    SceltaBambino *sceltaBambino() const { return m_scelta; }

protected:
    void onLoad() override;
    void onActivate() override;
    void onResize() override;

private:
    void Command3D1_Click();
    void Command1_Click();
    void Command3D5_Click();
    void Command3D6_Click();
    void Check1_Click();
    void Check2_Click();
    void Option1_Click(int index);

    void mostraSceltaBambino();
    void bambinoScelto(const QString &nome);
    void sistemaClasse();

    QPushButton *m_chiGioca = nullptr;
    QPointer<SceltaBambino> m_scelta;
    QList<QPointer<QWidget>> m_nascosti; // the menu's controls, hidden under "Chi gioca?"
};
