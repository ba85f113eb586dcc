#pragma once

#include <QStringList>

// The words the editor's windows share to name lists, levels and folders.
namespace TestiEditor {
// "due sillabe, facili" for the digit of a file.
QString descriviFile(const QString &cifra);
// The caption of a list, as the game shows it.
QString didascalia(const QString &codice);
// ~/.local/share/zampirolo2 reads better than the whole path.
QString breve(const QString &cartella);
// At most `quante` items, then how many more.
QString elenco(const QStringList &voci, int quante = 25);
} // namespace TestiEditor
