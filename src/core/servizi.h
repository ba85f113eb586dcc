#pragma once

#include "core/risolutoredati.h"

#include <QString>
#include <functional>

class FinestreMessaggio;
class Orologio;
class RiproduttoreSuoni;
class SorgenteCasuale;
class VoceParole;

// The platform services the program's rules call. main() installs the Qt implementations;
// tests install doubles. The pointers do not own what they point to.
struct Servizi {
    SorgenteCasuale *casuale = nullptr;
    Orologio *orologio = nullptr;
    RiproduttoreSuoni *suoni = nullptr;
    VoceParole *voce = nullptr; // none: the words are not spoken
    FinestreMessaggio *messaggi = nullptr;
    QString cartellaApplicazione;
    // A teacher's own lists, pictures and sounds, which replace the bundled ones file by file
    // (empty: none).
    QString cartellaUtente;
    // A folder shared by a class (empty: none): looked up after the teacher's, and home of the
    // class file and its results.
    QString cartellaClasse;
    RisolutoreDati dati() const { return {cartellaApplicazione, cartellaUtente, cartellaClasse}; }
    // Ends the program at once, without the windows' close handlers.
    std::function<void()> terminaProgramma;
};

Servizi &servizi();
