#include "editor/aiutoeditor.h"

#include <QDir>

QString testoAiutoEditor(const QString &cartellaUtente) {
    return QStringLiteral(
               "<h3>Le liste e i livelli</h3>"
               "<p>Ogni lista del gioco (per esempio LA LE LI LO LU) ha quattro file: parole di "
               "due sillabe facili (2) e difficili (4), di tre sillabe facili (3) e difficili "
               "(5). TUTTE contiene tutte le parole delle altre liste. Una parola nuova va da sé "
               "in ogni lista a cui appartiene. Ogni file ha al massimo 500 parole.</p>"
               "<h3>La divisione in sillabe</h3>"
               "<p>Scrivendo la parola la divido io. Uno spazio <span "
               "style='background:#FFC069'>arancione</span> è un punto in cui non sono sicuro "
               "(una i o una u vicino a un'altra vocale); nei resoconti lo stesso punto è segnato "
               "con \"?\". Un clic tra due lettere mette o toglie la divisione.</p>"
               "<h3>Le figure</h3>"
               "<p>Trascina un file PNG, JPEG o SVG sul riquadro o scegli un file: la adatto "
               "alla cornice del gioco.</p>"
               "<h3>Salvare</h3>"
               "<p>Salva (Ctrl+S) scrive tutti i file o nessuno, in %1. Se un file è stato "
               "cambiato da fuori, rimetto le tue modifiche sopra le nuove e te lo mostro prima "
               "di salvare. Un file che il gioco non legge si ripara con \"Ripara…\".</p>"
               "<p>Ctrl+Z annulla l'ultima modifica, Ctrl+Maiusc+Z la rifà.</p>")
        .arg(QDir::toNativeSeparators(cartellaUtente).toHtmlEscaped());
}
