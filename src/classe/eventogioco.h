#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// How a tile reached its slot.
enum class Ingresso { Mouse, Tocco, Tap, Tastiera };
QString nomeIngresso(Ingresso ingresso);

// One thing that happened while a child played: a judged drop, or an exercise started,
// completed or left. Nothing else about the child is kept than the name of the file it is in.
struct EventoGioco {
    enum class Tipo { Rilascio, Inizio, Completato, Lasciato };

    Tipo tipo = Tipo::Rilascio;
    qint64 tempoMs = 0; // since the epoch, UTC
    QString lista;      // the list's code, "ba"
    QString livello;    // "facile" or "difficile"
    int sillabe = 2;    // the exercise: words of two or of three syllables
    // Drops only.
    QString parola;
    QString attesa; // the slot's syllable
    QString data;   // the syllable dropped there
    bool giusto = false;
    Ingresso ingresso = Ingresso::Mouse;
    // Completed or left only: how long the exercise was on screen.
    qint64 durataMs = 0;
    // Unique to this line wherever it is copied: lets a reader count a line once even when it
    // was moved from a waiting folder twice.
    QString id;
};

// Only texts and numbers: moved in memory as bytes when a list of them grows.
Q_DECLARE_TYPEINFO(EventoGioco, Q_RELOCATABLE_TYPE);

// Raised when a line's layout changes in a way an older reader would misread.
constexpr int VersioneRisultati = 1;

// The event as one JSON line, newline included.
QByteArray rigaEvento(const EventoGioco &evento);

struct RigaLetta {
    enum class Esito { Buona, Estranea, Nuova };
    Esito esito = Esito::Estranea;
    EventoGioco evento;
};
// A line without its newline: Estranea when it is not one of ours, Nuova when it comes from a
// later version of the game.
RigaLetta leggiRigaEvento(const QByteArray &riga);

// The fields of a flat line as they are in its bytes, for a reader that keeps them its own way.
// A text or number the line does not have keeps the value below.
struct CampiRiga {
    struct Testo {
        const char *inizio = "";
        qsizetype lunghezza = 0;
    };
    int versione = 0;
    Testo tipo, lista, livello, parola, attesa, data, ingresso, id;
    qint64 tempoMs = 0;
    qint64 durataMs = 0;
    int sillabe = 2;
    bool giusto = false;
};
// False when the line is not a flat object of texts, numbers, true and false without escapes:
// leggiRigaEvento then reads it as JSON.
bool leggiCampiRiga(const char *inizio, qsizetype lunghezza, CampiRiga &campi);
// What the fields make of the line: Buona only for a known kind of this version or older.
RigaLetta::Esito esitoCampi(const CampiRiga &campi);
std::optional<EventoGioco::Tipo> tipoDaNome(const char *inizio, qsizetype lunghezza);
// Mouse for a name it does not know.
Ingresso ingressoDaNome(const char *inizio, qsizetype lunghezza);
