#pragma once

#include <QtGlobal>
#include <random>

// The program's single random generator: every draw is Int(r * n) (+ 1) over one r.
class SorgenteCasuale {
public:
    virtual ~SorgenteCasuale() = default;
    virtual void semina(quint64 seme) = 0;
    // Next value r with 0 <= r < 1, in single precision.
    virtual float prossimo() = 0;
};

class SorgenteMersenne : public SorgenteCasuale {
public:
    explicit SorgenteMersenne(quint64 seme = 0) { semina(seme); }
    void semina(quint64 seme) override;
    float prossimo() override;

private:
    std::mt19937_64 m_motore;
};

// Int(r * n): the largest whole number not above the product, formed in double precision.
int estrazione(float r, int n);
