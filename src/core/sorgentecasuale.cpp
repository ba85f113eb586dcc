#include "core/sorgentecasuale.h"

#include <cmath>

void SorgenteMersenne::semina(quint64 seme) {
    m_motore.seed(seme);
}

float SorgenteMersenne::prossimo() {
    // 24 random bits make every float of the form k / 2^24, so the result never rounds up to 1.
    const quint64 bits = m_motore() >> 40;
    return float(bits) / float(1u << 24);
}

int estrazione(float r, int n) {
    return int(std::floor(double(r) * double(n)));
}
