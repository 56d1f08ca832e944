#include "plegado.h"

#include <array>
#include <string>

namespace {

// Plegado one character at a time, through the toolkit's decomposition.
QString PlegadoLento(const QString &texto)
{
    QString plegado = texto.normalized(QString::NormalizationForm_D);
    QChar *letras = plegado.data();
    qsizetype largo = 0;
    for (qsizetype i = 0; i < plegado.size(); ++i)
        if (letras[i].category() != QChar::Mark_NonSpacing)
            letras[largo++] = letras[i].toCaseFolded();
    plegado.truncate(largo);
    return plegado;
}

} // namespace

// The letters of the file's code page, all below U+0250, fold through a table built once: a maximal base folded
// whole at each search took most of a second one character at a time.
QString Plegado(const QString &texto)
{
    static const auto tabla = [] {
        std::array<char16_t, 0x250> tabla{};
        for (char16_t c = 1; c < tabla.size(); ++c) {
            const QString plegada = PlegadoLento(QString(QChar(c)));
            tabla[c] = plegada.size() == 1 ? plegada.at(0).unicode() : 0;
        }
        return tabla;
    }();
    std::u16string plegado;
    plegado.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto.at(i).unicode();
        if (c < tabla.size() && tabla[c]) {
            plegado.push_back(tabla[c]);
            continue;
        }
        // Anything else one character at a time, a surrogate pair as one.
        const qsizetype largo =
            QChar::isHighSurrogate(c) && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString parte = PlegadoLento(texto.mid(i, largo));
        plegado.append(reinterpret_cast<const char16_t *>(parte.utf16()), parte.size());
        i += largo - 1;
    }
    // Not fromStdU16String, which reads a leading U+FEFF or U+FFFE as a byte order mark.
    return QString(reinterpret_cast<const QChar *>(plegado.data()), static_cast<qsizetype>(plegado.size()));
}
