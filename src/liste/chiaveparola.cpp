#include "liste/chiaveparola.h"

QString chiaveParola(const QString &parola) {
    // Upper case first: it maps ſ to S and ß to SS, which folding the case alone does not.
    return parola.normalized(QString::NormalizationForm_KC)
        .toUpper()
        .toCaseFolded()
        .normalized(QString::NormalizationForm_KC);
}
