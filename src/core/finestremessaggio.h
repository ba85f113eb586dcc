#pragma once

#include <QList>
#include <QString>

enum class IconaMessaggio { Nessuna, Critica, Informazione, Domanda };
enum class Pulsante { Nessuno, Ok, Annulla, Si, No };

struct Messaggio {
    QString titolo;
    QString testo;
    IconaMessaggio icona = IconaMessaggio::Nessuna;
    QList<Pulsante> pulsanti{Pulsante::Ok};
    Pulsante predefinito = Pulsante::Nessuno;
};

// Every modal message box of the program goes through here, so tests can answer them.
class FinestreMessaggio {
public:
    virtual ~FinestreMessaggio() = default;
    // Shows the box modally and returns the button chosen.
    virtual Pulsante mostra(const Messaggio &messaggio) = 0;
};

class FinestreMessaggioQt : public FinestreMessaggio {
public:
    Pulsante mostra(const Messaggio &messaggio) override;
};

// The program's name, which titles its windows and message boxes.
inline const QString TitoloProgramma = QStringLiteral("Zampirolo 2");

// A box titled with the program's name, through the installed service; returns the choice.
Pulsante mostraMessaggio(const QString &testo, IconaMessaggio icona,
                         const QList<Pulsante> &pulsanti = {Pulsante::Ok},
                         Pulsante predefinito = Pulsante::Nessuno);
// A question answered with Sì or No; true for Sì.
bool chiediSiNo(const QString &testo, Pulsante predefinito = Pulsante::Nessuno);
