#pragma once

#include <QString>

// The class folder, remembered for the account with QSettings. An administrator sets it for
// every account of a computer in /etc/xdg/zampirolo2/zampirolo2.conf:
//     [classe]
//     cartella=/srv/classe-1a
// and an account's own choice, made in the list editor, comes before it.
QString cartellaClasseImpostata();
void impostaCartellaClasse(const QString &cartella);
