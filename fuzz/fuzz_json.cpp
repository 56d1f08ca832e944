// The companion tool's JSON import on any bytes: it either refuses them or numbers a base the game can hold, and
// that base goes to JSON and comes back as the same file.
#include "herramienta/json.h"
#include "kb/escritortvo.h"

#include <cstdlib>

namespace {

void Comprobar(bool condicion)
{
    if (!condicion)
        std::abort();
}

bool Admitido(const QString &texto)
{
    return !texto.contains(QLatin1Char('"')) && texto.size() <= BaseConocimiento::MaxTexto;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    BaseImportada importada =
        BaseDesdeJson(QByteArray(reinterpret_cast<const char *>(datos), static_cast<qsizetype>(tamano)));
    if (!importada.error.isEmpty())
        return 0;
    BaseConocimiento &base = importada.base;
    Comprobar(base.NumLineas >= 0 && base.NumLineas <= BaseConocimiento::MaxLineas);
    Comprobar(Admitido(base.TipoObjeto) && Admitido(base.Caracteristicas));
    for (int k = 1; k <= base.NumLineas; ++k) {
        Comprobar(Admitido(base.TextoLinea[k]));
        // A question has both answers, each a line in use; an object has neither.
        const bool si = base.Existe(base.ValorSi[k]);
        const bool no = base.Existe(base.ValorNo[k]);
        Comprobar(si == no && si == (base.ValorSi[k] != 0 || base.ValorNo[k] != 0));
    }
    BaseImportada vuelta = BaseDesdeJson(BaseComoJson(base));
    Comprobar(vuelta.error.isEmpty() && CodificarArchivoTvo(vuelta.base) == CodificarArchivoTvo(base));
    return 0;
}
