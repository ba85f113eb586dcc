#pragma once

#include "ui/finestra.h"

// The title screen that start-up opens: title, release date, credits and "Avvio".
class FormAvvio : public Finestra {
    Q_OBJECT
public:
    FormAvvio();

    // Shows the start screen as a non-modal window, creating it if it is not open.
    static FormAvvio *mostra();

protected:
    void onLoad() override;
    void onActivate() override;

private:
    void Command1_Click();
};
