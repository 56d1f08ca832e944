#include "lineascambiadas.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// How many bytes of u and v, of one size, agree from their starts or, alFinal, from their ends. Whole blocks
// are compared with memcmp, many times faster than a loop a byte at a time; only a block that differs is
// searched byte by byte.
qsizetype Iguales(QByteArrayView u, QByteArrayView v, bool alFinal)
{
    constexpr qsizetype Bloque = 4096;
    qsizetype iguales = 0;
    while (iguales < u.size()) {
        const qsizetype n = std::min(Bloque, u.size() - iguales);
        const qsizetype desde = alFinal ? u.size() - iguales - n : iguales;
        const char *a = u.data() + desde;
        const char *b = v.data() + desde;
        if (std::memcmp(a, b, n) != 0) {
            if (!alFinal)
                return iguales + (std::mismatch(a, a + n, b).first - a);
            const auto finA = std::make_reverse_iterator(a + n);
            return iguales + (std::mismatch(finA, finA + n, std::make_reverse_iterator(b + n)).first - finA);
        }
        iguales += n;
    }
    return iguales;
}

// How many bytes antes and ahora have in common, up to limite, from their starts or, alFinal, from their
// ends. Bytes that both share in memory are equal without a look.
qsizetype Comunes(const Trozos &antes, const Trozos &ahora, qsizetype limite, bool alFinal)
{
    qsizetype comunes = 0;
    while (comunes < limite) {
        const QByteArrayView x = alFinal ? antes.Hasta(antes.Tamano() - comunes) : antes.Desde(comunes, antes.Tamano());
        const QByteArrayView y = alFinal ? ahora.Hasta(ahora.Tamano() - comunes) : ahora.Desde(comunes, ahora.Tamano());
        const qsizetype n = std::min({x.size(), y.size(), limite - comunes});
        const QByteArrayView u = alFinal ? x.last(n) : x.first(n);
        const QByteArrayView v = alFinal ? y.last(n) : y.first(n);
        const qsizetype iguales = u.data() == v.data() ? n : Iguales(u, v, alFinal);
        comunes += iguales;
        if (iguales < n)
            break;
    }
    return comunes;
}

// Just after the last LF before pos, or 0: where a line starts in any text that shares the bytes before pos.
qsizetype InicioDeLinea(const Trozos &trozos, qsizetype pos)
{
    while (pos > 0) {
        const QByteArrayView bytes = trozos.Hasta(pos);
        const qsizetype lf = bytes.lastIndexOf('\n');
        if (lf >= 0)
            return pos - bytes.size() + lf + 1;
        pos -= bytes.size();
    }
    return 0;
}

// Just after the first LF at or after pos, or the end: where a line starts in any text that shares the bytes
// from pos on.
qsizetype FinDeLinea(const Trozos &trozos, qsizetype pos)
{
    while (pos < trozos.Tamano()) {
        const QByteArrayView bytes = trozos.Desde(pos, trozos.Tamano());
        const qsizetype lf = bytes.indexOf('\n');
        if (lf >= 0)
            return pos + lf + 1;
        pos += bytes.size();
    }
    return trozos.Tamano();
}

// The CR LF pairs within bytes desde..hasta. The view turns each pair into one line break, as it does a lone
// CR or a lone LF, so a position in the view is a position in the file less the pairs before it.
qsizetype ParesCrLf(const Trozos &trozos, qsizetype desde, qsizetype hasta)
{
    qsizetype pares = 0;
    char anterior = 0;
    for (qsizetype pos = desde; pos < hasta;) {
        const QByteArrayView bytes = trozos.Desde(pos, hasta);
        for (qsizetype lf = bytes.indexOf('\n'); lf >= 0; lf = bytes.indexOf('\n', lf + 1))
            pares += (lf > 0 ? bytes[lf - 1] : anterior) == '\r' ? 1 : 0;
        anterior = bytes.back();
        pos += bytes.size();
    }
    return pares;
}

} // namespace

LineasCambiadas CompararLineas(const QList<QByteArray> &antesPartes, const QList<QByteArray> &ahoraPartes)
{
    const Trozos antes(antesPartes);
    const Trozos ahora(ahoraPartes);
    const qsizetype limite = std::min(antes.Tamano(), ahora.Tamano());
    const qsizetype prefijo = Comunes(antes, ahora, limite, false);
    LineasCambiadas cambio;
    if (prefijo == antes.Tamano() && prefijo == ahora.Tamano())
        return cambio;
    const qsizetype sufijo = Comunes(antes, ahora, limite - prefijo, true);
    cambio.iguales = false;
    cambio.inicio = InicioDeLinea(antes, prefijo);
    cambio.finAntes = FinDeLinea(antes, antes.Tamano() - sufijo);
    cambio.finAhora = ahora.Tamano() - (antes.Tamano() - cambio.finAntes);
    cambio.posicion = cambio.inicio - ParesCrLf(antes, 0, cambio.inicio);
    cambio.largo = cambio.finAntes - cambio.inicio - ParesCrLf(antes, cambio.inicio, cambio.finAntes);
    cambio.todas = cambio.inicio == 0 && cambio.finAntes == antes.Tamano();
    return cambio;
}
