// The sound module: the only part of the game that links Qt Multimedia.
#include "core/riproduttoresuoni.h"
#include "core/suonidifferiti.h"

#include <QtGlobal>
#include <type_traits>

extern "C" Q_DECL_EXPORT RiproduttoreSuoni *zampirolo2_crea(const QStringList &daPrecaricare) {
    return new RiproduttoreSoundEffect(daPrecaricare, RiproduttoreSoundEffect::rilevaAudio());
}

static_assert(std::is_same_v<decltype(zampirolo2_crea), CreaRiproduttore>);
