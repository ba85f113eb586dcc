#include "core/logging.h"

Q_LOGGING_CATEGORY(lcAvvio, "zampirolo.avvio")
Q_LOGGING_CATEGORY(lcDati, "zampirolo.dati")
Q_LOGGING_CATEGORY(lcSuoni, "zampirolo.suoni")
Q_LOGGING_CATEGORY(lcDisposizione, "zampirolo.disposizione")
