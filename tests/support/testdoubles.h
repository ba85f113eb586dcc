#pragma once

#include "core/finestremessaggio.h"
#include "core/orologio.h"
#include "core/riproduttoresuoni.h"
#include "core/sorgentecasuale.h"

#include <QQueue>
#include <QStringList>

// Records what would be played instead of playing it.
class SuoniRegistrati : public RiproduttoreSuoni {
public:
    void riproduci(const QString &percorso) override { suonati.append(percorso); }
    QStringList suonati;
};

// Answers message boxes from a script and keeps every box it was shown.
// A box with no answer scripted is answered with its default button and counted, so a test
// can tell an unexpected box from an expected one.
class MessaggiCopione : public FinestreMessaggio {
public:
    Pulsante mostra(const Messaggio &messaggio) override;
    void rispondi(Pulsante risposta) { risposte.enqueue(risposta); }

    QList<Messaggio> mostrati;
    QQueue<Pulsante> risposte;
    int senzaRisposta = 0;
};

// The program's generator under a fixed seed, counting the draws. Values put in `copione`
// come out first, so a test can steer a draw.
class CasualeContato : public SorgenteCasuale {
public:
    explicit CasualeContato(quint64 seme = 1)
        : m_motore(seme) {}
    void semina(quint64 seme) override { semeRicevuto = seme; }
    float prossimo() override {
        ++estrazioni;
        return copione.isEmpty() ? m_motore.prossimo() : copione.takeFirst();
    }

    QList<float> copione;
    int estrazioni = 0;
    quint64 semeRicevuto = 0;

private:
    SorgenteMersenne m_motore;
};

class OrologioFisso : public Orologio {
public:
    quint64 istante() const override { return valore; }
    quint64 valore = 20030425;
};

// Installs the doubles as the program's services and gives every test a fresh shared state.
class AmbienteDiProva {
public:
    explicit AmbienteDiProva(const QString &cartellaApplicazione = QString(), quint64 seme = 1);
    ~AmbienteDiProva();
    AmbienteDiProva(const AmbienteDiProva &) = delete;
    AmbienteDiProva &operator=(const AmbienteDiProva &) = delete;

    SuoniRegistrati suoni;
    MessaggiCopione messaggi;
    CasualeContato casuale;
    OrologioFisso orologio;
    int terminazioni = 0;
};

// The folder of small word lists, pictures and sounds made for the tests.
QString cartellaFixture();
