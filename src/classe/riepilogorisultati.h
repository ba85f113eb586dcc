#pragma once

#include "classe/letturarisultati.h"

#include <QDate>
#include <QVector>

// Which events a page shows: a date range (either end may be open) and one list or all.
struct FiltroRisultati {
    QDate da;
    QDate a;
    QString lista; // empty: every list
    bool accetta(const EventoGioco &evento) const;
    // The same, for an event whose local day is known.
    bool accetta(const EventoGioco &evento, const QDate &giorno) const;
};

// "put X where Y belongs", counted.
struct Confusione {
    QString data;
    QString attesa;
    int volte = 0;
    int bambini = 0; // in the class view: how many children made it
};
// "DA al posto di BA: 7 volte"
QString testoConfusione(const Confusione &confusione);

struct GiornoGrafico {
    QDate giorno;
    int giuste = 0;
    int sbagliate = 0;
};

struct ParolaTentativi {
    QString parola;
    int sbagliate = 0;
    int bambini = 1; // in the class view: how many children got it wrong
};

struct RiepilogoBambino {
    QString bambino;
    int giorni = 0;
    int completati = 0;
    int giuste = 0;
    int sbagliate = 0;
    QVector<GiornoGrafico> grafico;  // one point per day played, in order
    QVector<Confusione> confusioni;  // most frequent first
    QVector<ParolaTentativi> parole; // the words with the most wrong drops first
};

struct ListaPraticata {
    QString lista;
    int rilasci = 0;
    int bambini = 0;
};

struct RiepilogoClasse {
    QVector<RiepilogoBambino> bambini; // by name
    QVector<ListaPraticata> liste;     // most practised first
    QVector<Confusione> confusioni;    // made by most children first
    QVector<ParolaTentativi> parole;   // most wrong tries first
};

RiepilogoClasse riepiloga(const RisultatiLetti &risultati, const FiltroRisultati &filtro);
RiepilogoClasse riepiloga(const QVector<EventoBambino> &eventi, const FiltroRisultati &filtro);
// The lists named in the events, sorted, for the page's filter.
QStringList listeNeiRisultati(const RisultatiLetti &risultati);
QStringList listeNeiRisultati(const QVector<EventoBambino> &eventi);
// The page as CSV (comma-separated, quoted where needed), for the school's records.
QByteArray riepilogoInCsv(const RiepilogoClasse &riepilogo);
