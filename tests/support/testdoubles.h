#pragma once

#include "core/finestremessaggio.h"
#include "core/orologio.h"
#include "core/riproduttoresuoni.h"
#include "core/sorgentecasuale.h"

#include <QQueue>
#include <QStringList>

// Records what would be played instead of playing it.
struct SuoniRegistrati : RiproduttoreSuoni {
    void riproduci(const QString &percorso) override { suonati.append(percorso); }
    QStringList suonati;
};

// Answers boxes from a script and keeps them; an unscripted box gets its default and is counted.
struct MessaggiCopione : FinestreMessaggio {
    Pulsante mostra(const Messaggio &messaggio) override;
    void rispondi(Pulsante risposta) { risposte.enqueue(risposta); }
    QList<Messaggio> mostrati;
    QQueue<Pulsante> risposte;
    int senzaRisposta = 0;
};

// The program's generator under a fixed seed, counting draws; `copione` values come first.
struct CasualeContato : SorgenteCasuale {
    explicit CasualeContato(quint64 seme = 1)
        : motore(seme) {}
    void semina(quint64 seme) override { semeRicevuto = seme; }
    float prossimo() override {
        ++estrazioni;
        return copione.isEmpty() ? motore.prossimo() : copione.takeFirst();
    }
    QList<float> copione;
    int estrazioni = 0;
    quint64 semeRicevuto = 0;
    SorgenteMersenne motore;
};

struct OrologioFisso : Orologio {
    quint64 istante() const override { return valore; }
    quint64 valore = 20030425;
};

// Installs the doubles and a fresh shared state; by default the fixture folder, with two lists.
struct AmbienteDiProva {
    explicit AmbienteDiProva(const QString &cartellaApplicazione = {}, quint64 seme = 1);
    ~AmbienteDiProva();
    SuoniRegistrati suoni;
    MessaggiCopione messaggi;
    CasualeContato casuale;
    OrologioFisso orologio;
    int terminazioni = 0;
};
