#pragma once

#include <QString>

// The short help of the list editor (F1 and the "?" button): the lists and levels, what the
// colours and marks mean, where the files are saved.
QString testoAiutoEditor(const QString &cartellaUtente);
