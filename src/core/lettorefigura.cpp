#include "core/lettorefigura.h"

#include <QFileInfo>

LettoreFigura::LettoreFigura(const QString &percorso, bool dalContenuto)
    : m_lettura(leggiFileDati(percorso, MassimiByteFigura)) {
    m_buffer.setData(m_lettura.byte);
    m_buffer.open(QIODevice::ReadOnly);
    m_lettore.setDevice(&m_buffer);
    // Asking every decoder about the content costs more than decoding a small JPEG, so the
    // name's promise is taken when the first bytes keep it; otherwise the content decides.
    const QString suffisso = QFileInfo(percorso).suffix().toLower();
    const bool jpeg = suffisso == QLatin1String("jpg") || suffisso == QLatin1String("jpeg");
    if (!dalContenuto && jpeg && m_lettura.byte.startsWith("\xFF\xD8\xFF"))
        m_lettore.setFormat("jpeg");
    else
        m_lettore.setDecideFormatFromContent(true);
}

QString LettoreFigura::motivo() const {
    if (!m_lettura.letto())
        return m_lettura.motivo();
    if (m_lettura.byte.isEmpty())
        return QStringLiteral("il file è vuoto");
    return QStringLiteral("non è una figura che si possa leggere (PNG, JPEG o SVG)");
}
