#pragma once

#include <QString>

class QWidget;

// A control's caption as the user reads it. Buttons would take "&" for a keyboard shortcut
// ("QU & CQU"), so it is doubled on the way in and undone on the way out.
void scriviCaption(QWidget *controllo, const QString &caption);
QString leggiCaption(const QWidget *controllo);
