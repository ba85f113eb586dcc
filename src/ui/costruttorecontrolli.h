#pragma once

#include "ui/layoutdata.h"

#include <QList>
#include <QPair>
#include <QPalette>
#include <QPointer>

class QAction;
class QMenuBar;
class QWidget;

// Turns one row of a layout table into its widget, placed and styled as the row says.
QWidget *creaControllo(const DefinizioneControllo &definizione, QWidget *genitore);

// Builds a window's menu bar; every item, with its name, is appended to `voci` in table order.
QMenuBar *creaBarraMenu(const QList<DefinizioneVoceMenu> &menu, QWidget *finestra,
                        QList<QPair<QString, QPointer<QAction>>> &voci);

void impostaColore(QWidget *widget, QPalette::ColorRole ruolo, const QColor &colore);
