// The .tvo reader as "Abrir..." drives it when the user ignores every error, then what play, learning,
// browsing and saving do with what was read. Checks that nothing indexes outside lines 1..599 (ASan) and that
// a base written back reads again as the same base.
#include "kb/aprendizaje.h"
#include "kb/baseconocimiento.h"
#include "kb/escritortvo.h"
#include "kb/lectortvo.h"

#include <cstdlib>

namespace {

void Leer(BaseConocimiento &base, QByteArray bytes)
{
    base.VaciarLineas();
    LectorTvo::DeBytes(base, std::move(bytes)).LeerIgnorandoErrores();
}

void Comprobar(bool condicion)
{
    if (!condicion)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    BaseConocimiento base;
    Leer(base, QByteArray(reinterpret_cast<const char *>(datos), static_cast<qsizetype>(tamano)));
    Comprobar(base.NumLineas <= BaseConocimiento::MaxLineas);

    // A game from line 1, Si and No in turn, as far as the links lead.
    int linea = 1;
    for (int paso = 0; paso < 1000 && base.EsPregunta(linea); ++paso) {
        linea = base.Enlace(linea, paso % 2 == 0);
        if (!BaseConocimiento::LineaUsable(linea))
            break;
    }
    // The browser shows every line.
    qsizetype total = 0;
    for (int k = -1; k <= BaseConocimiento::MaxLineas + 1; ++k)
        total += base.Texto(k).size() + base.Enlace(k, true) + base.Enlace(k, false);

    // What is read is written back and reads again the same (texts cut to 32766 characters), without a text that a
    // double quote inside cuts short: none that the reader gives can hold one.
    BaseConocimiento escrita = base;
    const QByteArray archivo = CodificarArchivoTvo(escrita);
    BaseConocimiento releida;
    for (LectorTvo lector = LectorTvo::DeBytes(releida, archivo); !lector.Terminado();) {
        if (lector.EjecutarPaso())
            lector.OmitirPaso();
        Comprobar(!lector.TextoConComilla());
    }
    Comprobar(releida.NumLineas == escrita.NumLineas && releida.TipoObjeto == escrita.TipoObjeto &&
              releida.Caracteristicas == escrita.Caracteristicas);
    for (int k = 1; k <= BaseConocimiento::MaxLineas; ++k)
        Comprobar(releida.TextoLinea[k] == escrita.TextoLinea[k] && releida.ValorSi[k] == escrita.ValorSi[k] &&
                  releida.ValorNo[k] == escrita.ValorNo[k]);

    // A learning step where the game ended, when the base allows one.
    if (BaseConocimiento::LineaUsable(linea) && ComprobarAprendizaje(base, linea) == ImpedimentoAprender::Ninguno) {
        ConvertirEnPregunta(base, linea, total % 2 == 0, QStringLiteral("¿pregunta?"));
        AnadirObjetos(base, QStringLiteral("guess"), QStringLiteral("nuevo"));
        Comprobar(base.NumLineas <= BaseConocimiento::MaxLineas);
    }
    return 0;
}
