#pragma once

#include <QString>

// How a word is pronounced, for the syllable division: spelling does not show where Italian
// words are stressed, nor whether an i or u beside another vowel is a vowel of its own.
class FonemiParola {
public:
    virtual ~FonemiParola() = default;
    // The word's phonemes in IPA as eSpeak NG writes them ("ˈ" right before the stressed vowel,
    // "j" and "w" for glides), or a null string when they cannot be known.
    virtual QString fonemi(const QString &parola) = 0;
};
