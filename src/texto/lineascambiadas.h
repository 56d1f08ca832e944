#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <vector>

// A file's bytes in consecutive pieces, read as one run of bytes without joining them.
class Trozos
{
public:
    explicit Trozos(const QList<QByteArray> &partes) : partes(partes)
    {
        inicios.reserve(partes.size() + 1);
        qsizetype total = 0;
        for (const QByteArray &parte : partes) {
            inicios.push_back(total);
            total += parte.size();
        }
        inicios.push_back(total);
    }

    qsizetype Tamano() const { return inicios.back(); }

    // The bytes from pos to the end of the piece that holds byte pos, but not beyond hasta.
    QByteArrayView Desde(qsizetype pos, qsizetype hasta) const
    {
        const qsizetype i = Parte(pos);
        return QByteArrayView(partes[i]).sliced(pos - inicios[i], std::min(inicios[i + 1], hasta) - pos);
    }

    // The bytes from the start of the piece that holds byte pos - 1 up to pos.
    QByteArrayView Hasta(qsizetype pos) const
    {
        const qsizetype i = Parte(pos - 1);
        return QByteArrayView(partes[i]).first(pos - inicios[i]);
    }

private:
    // The piece that holds byte pos; empty pieces hold none.
    qsizetype Parte(qsizetype pos) const
    {
        return std::upper_bound(inicios.begin(), inicios.end(), pos) - inicios.begin() - 1;
    }

    const QList<QByteArray> &partes;
    std::vector<qsizetype> inicios;
};

// Where two contents of a file differ, by whole lines: from the start of the line of the first difference to
// the end of the line of the last one. A view of the text shows a CR LF pair as one line break, as it does a
// lone CR or LF; posicion and largo say where the lines that differ stand in a view of antes.
struct LineasCambiadas {
    bool iguales = true;
    qsizetype inicio = 0;   // the first byte that differs, taken back to its line's start; the same in both
    qsizetype finAntes = 0; // the end of the lines that differ, in antes
    qsizetype finAhora = 0; // and in ahora
    qsizetype posicion = 0; // where those lines start in a view of antes
    qsizetype largo = 0;    // and how many characters they take there
    bool todas = false;     // every line of antes differs: another file altogether
};

// Pieces shared in memory by both contents are equal without a look; other bytes are compared by blocks.
LineasCambiadas CompararLineas(const QList<QByteArray> &antes, const QList<QByteArray> &ahora);
