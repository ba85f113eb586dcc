#pragma once

#include "core/riproduttoresuoni.h"

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

// The module's one entry point: a player with these files loaded, or nullptr.
using CreaRiproduttore = RiproduttoreSuoni *(const QStringList &daPrecaricare);
