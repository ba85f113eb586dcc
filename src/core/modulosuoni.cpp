// The sound module: the only part of the game that links Qt Multimedia and eSpeak NG.
#include "core/motoreespeak.h"
#include "core/riproduttoresuoni.h"
#include "core/suonidifferiti.h"
#include "core/voceespeak.h"

#include <QtGlobal>
#include <type_traits>

extern "C" Q_DECL_EXPORT RiproduttoreSuoni *zampirolo2_crea(const QStringList &daPrecaricare) {
    return new RiproduttoreSoundEffect(daPrecaricare, RiproduttoreSoundEffect::rilevaAudio());
}

extern "C" Q_DECL_EXPORT VoceParole *zampirolo2_crea_voce() {
    return new VoceEspeak(RiproduttoreSoundEffect::rilevaAudio());
}

// The words' pronunciation, for the syllable division in the list editor.
extern "C" Q_DECL_EXPORT bool zampirolo2_fonemi(const QString &parola, QString *fonemi) {
    return fonemiEspeak(parola, fonemi);
}

static_assert(std::is_same_v<decltype(zampirolo2_crea), CreaRiproduttore>);
static_assert(std::is_same_v<decltype(zampirolo2_crea_voce), CreaVoce>);
static_assert(std::is_same_v<decltype(zampirolo2_fonemi), TrascriviFonemi>);
