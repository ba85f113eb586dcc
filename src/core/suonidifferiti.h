#pragma once

#include "core/riproduttoresuoni.h"
#include "core/voceparole.h"

#include <QStringList>
#include <memory>

// The game's sound player, loaded when the first sound is asked for. Qt Multimedia and the
// twenty-odd libraries it brings (audio server, codecs, network) live in a module of their own:
// linked into the game they would slow its start and take a tenth of its memory on every screen,
// sounds or not. Without the module, or without an audio output, the feedback sounds stay silent.
class SuoniDifferiti : public RiproduttoreSuoni {
public:
    explicit SuoniDifferiti(const QStringList &daPrecaricare);
    ~SuoniDifferiti() override;

    void riproduci(const QString &percorso) override;

private:
    // Loads the module, looks for an audio output and loads the sounds; once.
    void prepara();

    QStringList m_daPrecaricare;
    std::unique_ptr<RiproduttoreSuoni> m_riproduttore;
    bool m_pronto = false;
};

// The words' voice, from the same module and for the same reason, loaded at the first word.
class VoceDifferita : public VoceParole {
public:
    VoceDifferita();
    ~VoceDifferita() override;

    void pronuncia(const QString &parola, int dopoMillisecondi = 0) override;

private:
    std::unique_ptr<VoceParole> m_voce;
    bool m_pronta = false;
};

// The module's entry points: a player with these files loaded, and the voice; or nullptr.
using CreaRiproduttore = RiproduttoreSuoni *(const QStringList &daPrecaricare);
using CreaVoce = VoceParole *();
// The pronunciation of a word in IPA; false when eSpeak NG cannot be used.
using TrascriviFonemi = bool(const QString &parola, QString *fonemi);

// The module's pronunciation, loaded at the first call; nullptr (logged once) without it.
TrascriviFonemi *trascrittoreFonemi();
