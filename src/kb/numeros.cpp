#include "numeros.h"

#include <QByteArray>

#include <limits>

namespace {

bool EsDigito(const char *p, const char *fin)
{
    return p < fin && *p >= '0' && *p <= '9';
}

const char *SaltarDigitos(const char *p, const char *fin)
{
    while (EsDigito(p, fin))
        ++p;
    return p;
}

} // namespace

double ValorAlInicio(const char *p, const char *fin)
{
    while (p < fin && (*p == ' ' || *p == '\t'))
        ++p;
    const char *const inicio = p;
    if (p < fin && (*p == '+' || *p == '-'))
        ++p;
    const char *const digitos = p;
    p = SaltarDigitos(p, fin);
    bool hayDigitos = p != digitos;
    if (p < fin && *p == '.') {
        const char *const decimales = ++p;
        p = SaltarDigitos(p, fin);
        hayDigitos = hayDigitos || p != decimales;
    }
    if (!hayDigitos)
        return 0;
    QByteArray numero(inicio, p - inicio);
    if (p < fin && (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')) {
        const char *q = p + 1;
        if (q < fin && (*q == '+' || *q == '-'))
            ++q;
        if (EsDigito(q, fin))
            numero += 'e' + QByteArray(p + 1, SaltarDigitos(q, fin) - p - 1);
    }
    return numero.toDouble();
}

bool Entero16(double entero, qint16 &valor)
{
    // Also false for the infinities of a huge exponent.
    if (!(entero >= std::numeric_limits<qint16>::min() && entero <= std::numeric_limits<qint16>::max()))
        return false;
    valor = static_cast<qint16>(entero);
    return true;
}
