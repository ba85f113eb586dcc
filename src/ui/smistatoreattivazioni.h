#pragma once

#include "ui/regoleattivazione.h"

#include <QObject>

// A window whose Activate handler the watcher runs.
class Attivabile {
public:
    virtual ~Attivabile() = default;
    virtual bool giaAttivata() const = 0;
    virtual void attiva() = 0;
};

// Watches every window of the application and activates our screens when it counts.
class SmistatoreAttivazioni : public QObject {
    Q_OBJECT
public:
    // Installs the one watcher of the application, once.
    static void installa();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    using QObject::QObject;
    RegoleAttivazione m_regole;
    bool m_inattiva = false;
};
