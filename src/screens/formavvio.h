#pragma once

#include <QWidget>

// The title screen that start-up opens.
class FormAvvio : public QWidget {
    Q_OBJECT
public:
    explicit FormAvvio(QWidget *parent = nullptr);

    // Creates the start screen and shows it as a non-modal window that deletes itself on close.
    static FormAvvio *mostra();
};
