#pragma once

#include "support/cartellaprova.h"
#include "support/testdoubles.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

class FinestraEditor;
class TesseraParola;

// Where every test of the list editor starts: a game folder whose TUTTE2 and la2 hold the same
// words, each with its picture, an empty teacher's folder, and the doubles in place. Gone, it
// closes the windows left open.
struct AmbienteEditor {
    explicit AmbienteEditor(const QStringList &parole = {"la,ma", "lu,na", "me,la"});
    ~AmbienteEditor();
    // A list file in the teacher's folder, where saving writes it.
    QString lista(const QString &nome) const {
        return insegnante.filePath(QStringLiteral("testizampirolo2/") + nome);
    }
    CartellaProva gioco;
    QTemporaryDir insegnante;
    AmbienteDiProva ambiente;
};

// A window's controls, by name.
template <typename T = QWidget> T *parte(QWidget &finestra, const char *nome) {
    return finestra.findChild<T *>(QLatin1String(nome));
}
// A click on a window's control, by name.
void clic(QWidget &finestra, const char *nome);
// The tile of a word in the list shown, among the tiles made so far.
TesseraParola *tessera(FinestraEditor &editor, const QString &parola);
// A file dropped on the picture box, as from the file manager; whether the box took the drag.
bool lasciaFile(FinestraEditor &editor, const QString &percorso);
// A word typed in the empty field and added with the button.
void aggiungiParola(FinestraEditor &editor, const QString &parola);
// Words of two syllables, all different, ("ba,ba", "ba,ce", "ba,di"...): up to 504.
QStringList paroleDiverse(int quante);
// A red square saved as rosso.png in a folder; its path.
QString pngRosso(const QString &cartella);
