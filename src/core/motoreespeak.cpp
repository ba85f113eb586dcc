#include "core/motoreespeak.h"

#include <espeak-ng/speak_lib.h>

std::mutex &mutexEspeak() {
    static std::mutex m;
    return m;
}

QString avviaEspeak(int *frequenza) {
    static int frequenzaEspeak = 0;
    static QString errore;
    static bool avviato = false;
    if (!avviato) {
        avviato = true;
        // Without its data eSpeak would end the whole program unless told not to.
        frequenzaEspeak =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 200, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (frequenzaEspeak <= 0)
            errore = QStringLiteral("eSpeak NG cannot start (is espeak-ng-data installed?)");
        // A voice that is not found leaves eSpeak in a state where the next call crashes.
        else if (espeak_SetVoiceByName("it") != EE_OK)
            errore = QStringLiteral("eSpeak NG has no Italian voice");
    }
    if (frequenza)
        *frequenza = frequenzaEspeak;
    return errore;
}

bool fonemiEspeak(const QString &parola, QString *fonemi) {
    const std::lock_guard<std::mutex> blocco(mutexEspeak());
    if (!avviaEspeak().isEmpty())
        return false;
    const QByteArray testo = parola.toLower().toUtf8();
    const void *resto = testo.constData();
    QString risultato;
    // One clause per call; the result lives in eSpeak's buffer until the next one.
    while (resto) {
        const char *pezzo = espeak_TextToPhonemes(&resto, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (!pezzo)
            break;
        if (!risultato.isEmpty())
            risultato += QLatin1Char(' ');
        risultato += QString::fromUtf8(pezzo);
    }
    *fonemi = risultato;
    return true;
}
