#pragma once

#include <QString>
#include <QStringList>

// The names of the three data folders inside the application folder.
namespace CartelleDati {
inline const QString Liste = QStringLiteral("testizampirolo2");
inline const QString Immagini = QStringLiteral("images0");
inline const QString Suoni = QStringLiteral("suoni");
} // namespace CartelleDati

// The folder that holds the executable when the data folders stand beside it (the build folder
// or a copied folder); otherwise the installed location ../share/zampirolo2.
QString trovaCartellaApplicazione(const QString &cartellaEseguibile);

// Joins the parts below the application folder. A part that does not exist exactly is matched
// without regard to letter case in its folder, so lists copied from Windows ("BA2.TXT") still load.
// When nothing matches, the exact composed path is returned and opening it will fail.
QString percorsoDati(const QString &cartellaApplicazione, const QStringList &parti);
