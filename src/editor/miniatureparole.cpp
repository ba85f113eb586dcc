#include "editor/miniatureparole.h"

#include "core/figurasegnaposto.h"
#include "editor/modelloliste.h"
#include "liste/chiaveparola.h"
#include "liste/verificatore.h"

namespace {
QImage allaTessera(const QImage &figura) {
    return figura.scaled(MiniatureParole::Larghezza, MiniatureParole::Altezza, Qt::KeepAspectRatio,
                         Qt::SmoothTransformation);
}
} // namespace

const MiniatureParole::Miniatura &MiniatureParole::di(const ModelloListe &modello,
                                                      const QString &parola, int sillabe) {
    const QString chiave = chiaveParola(parola);
    const auto trovata = m_miniature.constFind(chiave);
    if (trovata != m_miniature.cend() && trovata->sillabe == sillabe)
        return *trovata;
    Miniatura m;
    m.sillabe = sillabe;
    QImage figura;
    if (modello.figuraNuova(parola)) {
        figura = modello.figura(parola);
    } else {
        // The checker decodes the picture anyway: shrunk as it is read (a JPEG's fast path), it
        // is the tile's, with no second decode.
        for (const ProblemaVerifica &p : Verificatore::problemiFigura(
                 modello.percorsoFigura(parola), sillabe, &figura, QSize(Larghezza, Altezza)))
            m.problemi << p.messaggio;
    }
    ++m_decodifiche;
    if (figura.isNull()) {
        if (m_segnaposto.isNull())
            m_segnaposto = allaTessera(figuraSegnaposto().toImage());
        m.immagine = m_segnaposto;
    } else {
        m.immagine = allaTessera(figura);
    }
    return *m_miniature.insert(chiave, m);
}

void MiniatureParole::dimenticaDiverse(const QHash<QString, QImage> &prima,
                                       const QHash<QString, QImage> &dopo) {
    for (auto it = prima.cbegin(); it != prima.cend(); ++it)
        if (dopo.value(it.key()).cacheKey() != it->cacheKey())
            dimentica(it.key());
    for (auto it = dopo.cbegin(); it != dopo.cend(); ++it)
        if (!prima.contains(it.key()))
            dimentica(it.key());
}
