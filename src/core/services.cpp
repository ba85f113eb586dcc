#include "core/services.h"

Servizi &servizi() {
    static Servizi istanza;
    return istanza;
}
