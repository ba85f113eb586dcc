#pragma once

#include <QString>
#include <functional>

class Finestra;

// The screens that are open, one per name, and how to open each screen that has been shown,
// so a screen can send the user back to another by name without knowing its class.
class RegistroFinestre {
public:
    using Fabbrica = std::function<Finestra *()>;

    // Shows the screen with this name, creating it with `crea` and running its load handler
    // when it is not open. Returns nullptr when the load handler refused.
    static Finestra *mostra(const QString &nome, const Fabbrica &crea);
    // The same with the way of creating it given when it was last shown; nullptr when it
    // never was.
    static Finestra *mostra(const QString &nome);
    static Finestra *aperta(const QString &nome);
    // A closed or destroyed screen leaves the register.
    static void dimentica(Finestra *finestra);
};
