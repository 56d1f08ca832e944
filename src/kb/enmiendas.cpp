#include "enmiendas.h"

#include <utility>
#include <vector>

namespace {

int OtraRama(const BaseConocimiento &base, int pregunta, int linea)
{
    return base.Enlace(pregunta, true) == linea ? base.Enlace(pregunta, false) : base.Enlace(pregunta, true);
}

// Every link to `de` in the lines in use leads to `a` instead.
void Redirigir(BaseConocimiento &base, int de, int a)
{
    for (int n = 1; n <= base.NumLineas; ++n) {
        if (base.ValorSi[n] == de)
            base.ValorSi[n] = static_cast<qint16>(a);
        if (base.ValorNo[n] == de)
            base.ValorNo[n] = static_cast<qint16>(a);
    }
}

// Drops two lines in use that nothing links to any longer; the lines after them move up.
void BorrarDos(BaseConocimiento &base, int a, int b)
{
    const auto nuevo = [&](int n) { return n - (n > a) - (n > b); };
    const int total = base.NumLineas;
    for (int n = 1; n <= total; ++n) {
        for (auto *enlaces : {&base.ValorSi, &base.ValorNo})
            if (base.Existe((*enlaces)[n]))
                (*enlaces)[n] = static_cast<qint16>(nuevo((*enlaces)[n]));
        if (n != a && n != b && nuevo(n) != n) {
            base.ValorSi[nuevo(n)] = base.ValorSi[n];
            base.ValorNo[nuevo(n)] = base.ValorNo[n];
            base.TextoLinea[nuevo(n)] = base.TextoLinea[n];
        }
    }
    for (int n = total - 1; n <= total; ++n) {
        base.ValorSi[n] = base.ValorNo[n] = 0;
        base.TextoLinea[n].clear();
    }
    base.NumLineas = static_cast<qint16>(total - 2);
}

// Whether a walk down the links from `desde` reaches `buscada`.
bool Alcanza(const BaseConocimiento &base, int desde, int buscada)
{
    std::vector<char> visto(BaseConocimiento::MaxLineas + 1);
    std::vector<int> pendientes{desde};
    while (!pendientes.empty()) {
        const int n = pendientes.back();
        pendientes.pop_back();
        if (n == buscada)
            return true;
        if (!base.Existe(n) || visto[n])
            continue;
        visto[n] = 1;
        pendientes.push_back(base.Enlace(n, true));
        pendientes.push_back(base.Enlace(n, false));
    }
    return false;
}

} // namespace

int PreguntaEncima(const BaseConocimiento &base, int linea)
{
    int pregunta = 0;
    int enlaces = 0;
    for (int n = 1; n <= base.NumLineas; ++n)
        for (bool si : {true, false})
            if (base.Enlace(n, si) == linea) {
                pregunta = n;
                ++enlaces;
            }
    return enlaces == 1 ? pregunta : 0;
}

bool PuedeIntercambiarse(const BaseConocimiento &base, int linea)
{
    return base.Existe(linea) && base.EsPregunta(linea);
}

void IntercambiarSiNo(BaseConocimiento &base, int linea)
{
    if (PuedeIntercambiarse(base, linea))
        std::swap(base.ValorSi[linea], base.ValorNo[linea]);
}

ImpedimentoQuitar ComprobarQuitar(const BaseConocimiento &base, int linea)
{
    if (!base.Existe(linea) || base.EsPregunta(linea))
        return ImpedimentoQuitar::NoEsObjeto;
    if (linea == 1 || base.NumLineas < 3)
        return ImpedimentoQuitar::UnicoObjeto;
    const int pregunta = PreguntaEncima(base, linea);
    if (pregunta == 0)
        return ImpedimentoQuitar::SinPregunta;
    const int otra = OtraRama(base, pregunta, linea);
    if (!base.Existe(otra) || otra == pregunta || otra == linea)
        return ImpedimentoQuitar::SinOtraRama;
    // Every link to the question would lead to its other branch, which leads back to it.
    if (Alcanza(base, otra, pregunta))
        return ImpedimentoQuitar::Bucle;
    return ImpedimentoQuitar::Ninguno;
}

int QuitarObjeto(BaseConocimiento &base, int linea)
{
    if (ComprobarQuitar(base, linea) != ImpedimentoQuitar::Ninguno)
        return 0;
    const int pregunta = PreguntaEncima(base, linea);
    const int otra = OtraRama(base, pregunta, linea);
    if (pregunta != 1) {
        Redirigir(base, pregunta, otra);
        BorrarDos(base, linea, pregunta);
        return otra - (otra > linea) - (otra > pregunta);
    }
    // The root is line 1 for good: the other branch moves into it.
    base.ValorSi[1] = base.ValorSi[otra];
    base.ValorNo[1] = base.ValorNo[otra];
    base.TextoLinea[1] = base.TextoLinea[otra];
    Redirigir(base, otra, 1);
    BorrarDos(base, linea, otra);
    return 1;
}
