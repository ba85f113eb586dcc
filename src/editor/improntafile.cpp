#include "editor/improntafile.h"

#include "core/letturadati.h"
#include "liste/lettorelista.h"

#include <QCryptographicHash>
#include <QFileInfo>

ImprontaFile ImprontaFile::di(const QString &percorso) {
    ImprontaFile impronta;
    impronta.percorso = percorso;
    const QFileInfo info(percorso);
    impronta.esiste = info.exists();
    if (!impronta.esiste)
        return impronta;
    impronta.dimensione = info.size();
    impronta.modifica = info.lastModified();
    const LetturaDati letti = leggiFileDati(percorso, MassimiByteLista);
    impronta.hash = QCryptographicHash::hash(letti.byte, QCryptographicHash::Sha256);
    return impronta;
}

bool ImprontaFile::operator==(const ImprontaFile &altra) const {
    return percorso == altra.percorso && esiste == altra.esiste && dimensione == altra.dimensione &&
           modifica == altra.modifica && hash == altra.hash;
}
