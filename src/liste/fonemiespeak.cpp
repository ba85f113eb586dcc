#include "liste/fonemiespeak.h"

#include "core/logging.h"
#include "core/suonidifferiti.h"

QString FonemiEspeak::fonemi(const QString &parola) {
    if (!m_cercato) {
        m_cercato = true;
        m_trascrittore = trascrittoreFonemi(); // says itself why it is missing
    }
    if (!m_trascrittore || parola.isEmpty() || parola.size() > LettereMassime)
        return {};
    QString risultato;
    if (!m_trascrittore(parola, &risultato)) {
        qCWarning(lcSuoni) << "eSpeak NG cannot be used: syllables are divided by their spelling"
                              " alone.";
        m_trascrittore = nullptr;
        return {};
    }
    return risultato.isNull() ? QStringLiteral("") : risultato;
}
