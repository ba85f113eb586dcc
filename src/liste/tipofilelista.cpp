#include "liste/tipofilelista.h"

QString nomeLivello(Livello livello) {
    return livello == Livello::Facile ? QStringLiteral("facile") : QStringLiteral("difficile");
}

const QVector<TipoFileLista> &TipoFileLista::tutti() {
    static const QVector<TipoFileLista> tipi{
        TipoFileLista(2, Livello::Facile), TipoFileLista(3, Livello::Facile),
        TipoFileLista(2, Livello::Difficile), TipoFileLista(3, Livello::Difficile)};
    return tipi;
}

std::optional<TipoFileLista> TipoFileLista::daCifra(const QString &cifra) {
    for (const TipoFileLista &tipo : tutti())
        if (tipo.cifra() == cifra)
            return tipo;
    return std::nullopt;
}

TipoFileLista TipoFileLista::di(int sillabePerParola, Livello livello) {
    Q_ASSERT(sillabePerParola == 2 || sillabePerParola == 3);
    return TipoFileLista(sillabePerParola == 3 ? 3 : 2, livello);
}

std::optional<std::pair<QString, TipoFileLista>> TipoFileLista::daNomeFile(const QString &nome) {
    if (nome.size() < 6 || !nome.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return std::nullopt;
    const std::optional<TipoFileLista> tipo = daCifra(nome.mid(nome.size() - 5, 1));
    if (!tipo)
        return std::nullopt;
    return std::make_pair(nome.left(nome.size() - 5), *tipo);
}

QString TipoFileLista::cifra() const {
    return QString::number(m_sillabe + (m_livello == Livello::Difficile ? 2 : 0));
}

TipoFileLista TipoFileLista::compagno() const {
    return TipoFileLista(m_sillabe,
                         m_livello == Livello::Facile ? Livello::Difficile : Livello::Facile);
}

QString TipoFileLista::descrizione() const {
    return QStringLiteral("%1 sillabe, %2")
        .arg(m_sillabe == 2 ? QStringLiteral("due") : QStringLiteral("tre"),
             m_livello == Livello::Facile ? QStringLiteral("facili") : QStringLiteral("difficili"));
}
