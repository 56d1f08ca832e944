#include "cp1252.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace {

// Characters of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> ZonaAlta = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> ConstruirTabla()
{
    std::array<char16_t, 256> tabla{};
    for (int byte = 0; byte < 256; ++byte)
        tabla[byte] = (byte >= 0x80 && byte <= 0x9F) ? ZonaAlta[byte - 0x80] : static_cast<char16_t>(byte);
    return tabla;
}

// The character of every byte, so that decoding is one lookup a byte.
constexpr std::array<char16_t, 256> Tabla = ConstruirTabla();

constexpr char Sustituto = '?';

// The byte of a character, or '?' outside the code page.
char CodificarCaracter(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    const auto *encontrado = std::find(ZonaAlta.begin(), ZonaAlta.end(), c);
    if (encontrado == ZonaAlta.end())
        return Sustituto;
    return static_cast<char>(0x80 + (encontrado - ZonaAlta.begin()));
}

} // namespace

QChar CaracterCp1252(char byte)
{
    return QChar(Tabla[static_cast<unsigned char>(byte)]);
}

QString DecodificarCp1252(const char *datos, qsizetype tamano)
{
    QString texto(tamano, Qt::Uninitialized);
    QChar *destino = texto.data();
    for (qsizetype i = 0; i < tamano; ++i)
        destino[i] = QChar(Tabla[static_cast<unsigned char>(datos[i])]);
    return texto;
}

void AnadirCp1252(QByteArray &destino, const QString &texto)
{
    const qsizetype inicio = destino.size();
    destino.resize(inicio + texto.size());
    char *salida = destino.data() + inicio;
    const QChar *c = texto.constData();
    const QChar *fin = c + texto.size();
    while (c < fin) {
        // A pair of surrogates is one character outside the code page: one '?'.
        if (c->isHighSurrogate() && c + 1 < fin && (c + 1)->isLowSurrogate()) {
            *salida++ = Sustituto;
            c += 2;
            continue;
        }
        *salida++ = CodificarCaracter(c->unicode());
        ++c;
    }
    destino.resize(salida - destino.data());
}

QString CaracteresFueraDeCp1252(const QString &texto)
{
    QString fuera;
    QSet<char32_t> vistos;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        char32_t c = texto[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(texto[i].unicode(), texto[i + 1].unicode());
            ++i;
        }
        if (c == static_cast<char32_t>(Sustituto) || CodificarCaracter(c) != Sustituto || vistos.contains(c))
            continue;
        vistos.insert(c);
        fuera += QString::fromUcs4(&c, 1);
    }
    return fuera;
}

QString ComoEnCp1252(const QString &texto)
{
    QByteArray bytes;
    AnadirCp1252(bytes, texto);
    return DecodificarCp1252(bytes);
}
