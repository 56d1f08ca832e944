#include "visorarchivo.h"

#include "kb/cp1252.h"

#include <QFile>
#include <QTextCursor>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

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

// Inserts bytes desde..hasta at the cursor, decoded a slice at a time, so that a maximal file never needs a
// second 39 MB copy of its text. A slice never ends between the CR and the LF of a pair, which the view
// would read as two line breaks.
void InsertarDecodificado(QTextCursor &cursor, const Trozos &trozos, qsizetype desde, qsizetype hasta)
{
    constexpr qsizetype Tajada = 1 << 16;
    QString tajada;
    for (qsizetype pos = desde; pos < hasta;) {
        tajada.resize(0);
        while (tajada.size() < Tajada && pos < hasta) {
            const QByteArrayView bytes = trozos.Desde(pos, std::min(hasta, pos + Tajada - tajada.size()));
            tajada += DecodificarCp1252(bytes.data(), bytes.size());
            pos += bytes.size();
        }
        if (pos < hasta && tajada.endsWith(QLatin1Char('\r'))) {
            tajada.chop(1);
            --pos;
        }
        cursor.insertText(tajada);
    }
}

} // namespace

VisorArchivo::VisorArchivo(QWidget *padre) : QPlainTextEdit(padre)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setWordWrapMode(QTextOption::WordWrap);
    // Nothing is typed here, and an undo history would keep every text ever shown.
    document()->setUndoRedoEnabled(false);
}

void VisorArchivo::MostrarArchivo(const QString &ruta)
{
    QFile archivo(ruta);
    MostrarBytes({archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray()});
}

void VisorArchivo::MostrarBytes(const QList<QByteArray> &partes)
{
    const Trozos antes(mostrados);
    const Trozos ahora(partes);
    const qsizetype limite = std::min(antes.Tamano(), ahora.Tamano());
    const qsizetype prefijo = Comunes(antes, ahora, limite, false);
    if (prefijo < antes.Tamano() || prefijo < ahora.Tamano()) {
        // The lines that differ: from the line of the first difference to the line after the last one.
        const qsizetype sufijo = Comunes(antes, ahora, limite - prefijo, true);
        const qsizetype inicio = InicioDeLinea(antes, prefijo);
        const qsizetype finAntes = FinDeLinea(antes, antes.Tamano() - sufijo);
        const qsizetype finAhora = ahora.Tamano() - (antes.Tamano() - finAntes);
        const qsizetype posicion = inicio - ParesCrLf(antes, 0, inicio);
        // Another file altogether starts afresh, which also lets the memory of the old text go.
        const bool otroArchivo = inicio == 0 && finAntes == antes.Tamano();
        if (otroArchivo)
            document()->clear();
        QTextCursor cursor(document());
        // Within an edit block the cursor does not lay out the lines it is moved to.
        cursor.beginEditBlock();
        if (!otroArchivo) {
            cursor.setPosition(static_cast<int>(posicion));
            cursor.setPosition(static_cast<int>(posicion + finAntes - inicio - ParesCrLf(antes, inicio, finAntes)),
                               QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        InsertarDecodificado(cursor, ahora, inicio, finAhora);
        cursor.endEditBlock();
    }
    mostrados = partes;
    setTextCursor(QTextCursor(document()));
}
