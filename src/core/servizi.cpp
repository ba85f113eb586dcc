#include "core/servizi.h"

Servizi &servizi() {
    static Servizi istanza;
    return istanza;
}
