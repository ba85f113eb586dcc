#include "core/orologio.h"

#include <QDateTime>

quint64 OrologioDiSistema::istante() const {
    return quint64(QDateTime::currentMSecsSinceEpoch());
}
