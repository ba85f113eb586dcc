#pragma once

#include "liste/fonemiparola.h"

// The pronunciation from eSpeak NG's Italian voice. eSpeak lives in the sound module, which is
// loaded at the first word asked for: the game never divides words, so it never loads it for
// this. Without the module, eSpeak NG or its Italian voice, every word is answered with a null
// string and the reason goes to the log once.
class FonemiEspeak : public FonemiParola {
public:
    using Trascrittore = bool(const QString &parola, QString *fonemi);

    FonemiEspeak() = default;
    // With eSpeak reached directly (the tests link it) instead of through the module.
    explicit FonemiEspeak(Trascrittore *trascrittore)
        : m_trascrittore(trascrittore)
        , m_cercato(true) {}

    QString fonemi(const QString &parola) override;

    // No Italian word is this long; longer text is left to the spelling rules.
    static constexpr int LettereMassime = 40;

private:
    Trascrittore *m_trascrittore = nullptr;
    bool m_cercato = false;
};
