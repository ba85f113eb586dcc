#pragma once

#include <QByteArray>
#include <QString>

// Word lists are written in Windows-1252 by older editors, in UTF-8 by modern ones and in UTF-16
// by Notepad's "Unicode". UTF-16 is recognised by its byte-order mark, or without one by a zero
// in every other byte; otherwise each line that is valid UTF-8 (after an optional byte-order
// mark) is read as UTF-8, and any other line as Windows-1252.
QString decodificaTestoLista(const QByteArray &byte);

// Reads comma-separated fields in order, without regard to lines: a record may be split over
// lines or share a line with the next one. A quoted field runs to its closing quote and keeps
// commas and blanks; an unquoted field starts at its first non-blank character and ends at a
// comma or a line end. Blank lines between fields are skipped.
class LettoreCampi {
public:
    enum class Esito { Letto, FineTesto, VirgoletteAperte };

    explicit LettoreCampi(QString testo);

    // True when only blanks and line ends are left.
    bool fine();
    Esito leggi(QString &campo);

private:
    bool aFineRiga() const;
    void saltaSpaziERighe();
    void consumaSeparatore();

    QString m_testo;
    int m_pos = 0;
};
