#pragma once

#include <QString>
#include <mutex>

// eSpeak NG keeps one global state and one result buffer for the whole process, so the speech
// (on its own thread) and the syllable division (on the screen's) share one initialisation and
// take this lock around every call into it.
std::mutex &mutexEspeak();

// Starts eSpeak NG with the Italian voice, once; call with mutexEspeak() held. Empty when it is
// ready, otherwise why it cannot be used. `frequenza` receives the sample rate.
QString avviaEspeak(int *frequenza = nullptr);

// The word's pronunciation in IPA, "ˈ" right before the stressed vowel (pˈaʊza, paˈʊra). False
// when eSpeak NG or its Italian voice cannot be used. Takes the lock itself.
bool fonemiEspeak(const QString &parola, QString *fonemi);
