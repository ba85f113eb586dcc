#pragma once

#include <QString>

class QApplication;

// What the game and the list editor both set up as soon as their QApplication exists: the name
// shown in title bars, the icon of every window, the link between the windows and the desktop
// entry, and Qt's own Italian so standard buttons, file dialogs and context menus read in Italian
// whatever the machine's language.
struct Applicazione {
    QString nome;        // "Zampirolo 2"
    QString fileDesktop; // the desktop entry's name without ".desktop"
    QString icona;       // the icon's name, as installed in the hicolor theme
};

// Returns false when Qt's Italian translation could not be loaded (the program still runs, with
// Qt's English standard texts); the reason goes to the log.
bool preparaApplicazione(QApplication &app, const Applicazione &applicazione);
