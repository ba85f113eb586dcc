#pragma once

#include <QLoggingCategory>

// One category per subsystem, so a missing file shows up as a readable warning.
Q_DECLARE_LOGGING_CATEGORY(lcAvvio)
Q_DECLARE_LOGGING_CATEGORY(lcDati)
Q_DECLARE_LOGGING_CATEGORY(lcSuoni)
Q_DECLARE_LOGGING_CATEGORY(lcDisposizione)
