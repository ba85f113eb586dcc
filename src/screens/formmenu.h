#pragma once

#include "ui/finestra.h"

// The hub: opens either exercise, chooses the word list, switches the sounds, quits.
class FormMenu : public Finestra {
    Q_OBJECT
public:
    FormMenu();

    // Shows the menu as a non-modal window, creating it if it is not open.
    static FormMenu *mostra();

protected:
    void onLoad() override;
    void onActivate() override;

private:
    void Command3D1_Click();
    void Command1_Click();
    void Command3D5_Click();
    void Command3D6_Click();
    void Check1_Click();
    void Check2_Click();
    void Option1_Click(int index);
};
