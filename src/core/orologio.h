#pragma once

#include <QtGlobal>

// Milliseconds since the epoch; seeds the random generator at start-up.
class Orologio {
public:
    virtual ~Orologio() = default;
    virtual quint64 istante() const = 0;
};

class OrologioDiSistema : public Orologio {
public:
    quint64 istante() const override;
};
