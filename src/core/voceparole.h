#pragma once

#include <QString>

// Says a word aloud, for children who cannot read it yet. Returns at once; a new word stops
// the one being said. `dopoMillisecondi` holds the word back so that a feedback sound that
// has just started is heard whole first.
class VoceParole {
public:
    virtual ~VoceParole() = default;
    virtual void pronuncia(const QString &parola, int dopoMillisecondi = 0) = 0;
};

// Through the program's voice, if there is one, and only while the sounds are on.
void pronunciaParola(const QString &parola, int dopoMillisecondi = 0);

// How long the longest "sì" sound lasts, so that a word said after it does not cut it short.
int durataSuonoGiusto();
