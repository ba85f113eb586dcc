#pragma once

#include "editor/modelloliste.h"

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
// What an import did: the words added, those to check and why, those left out and why.
QString resocontoImportazione(const ModelloListe::Importazione &esito);
// What the line above the tiles says about a file: how many words, whether that is enough, or
// why the game refuses it.
QString avvisoFile(const QString &nome, int sillabe, int parole,
                   const std::optional<ErroreLista> &errore);
} // namespace TestiEditor
