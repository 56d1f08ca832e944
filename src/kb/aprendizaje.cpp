#include "aprendizaje.h"

namespace {

bool CabenDosLineas(const BaseConocimiento &base)
{
    return base.NumLineas >= 1 && base.NumLineas + 2 <= BaseConocimiento::MaxLineas;
}

} // namespace

ImpedimentoAprender ComprobarAprendizaje(const BaseConocimiento &base, int linea)
{
    if (base.NumLineas >= BaseConocimiento::MaxLineas)
        return ImpedimentoAprender::BaseLlena;
    if (base.NumLineas <= 0)
        return ImpedimentoAprender::SinLineas;
    if (!CabenDosLineas(base))
        return ImpedimentoAprender::SinSitioParaDos;
    if (!base.Existe(linea))
        return ImpedimentoAprender::LineaFueraDeArchivo;
    return ImpedimentoAprender::Ninguno;
}

void ConvertirEnPregunta(BaseConocimiento &base, int linea, bool respuestaSi, const QString &pregunta)
{
    if (ComprobarAprendizaje(base, linea) != ImpedimentoAprender::Ninguno)
        return;
    const auto primera = static_cast<qint16>(base.NumLineas + 1);
    const auto segunda = static_cast<qint16>(base.NumLineas + 2);
    base.ValorSi[linea] = respuestaSi ? primera : segunda;
    base.ValorNo[linea] = respuestaSi ? segunda : primera;
    base.TextoLinea[linea] = pregunta;
}

void AnadirObjetos(BaseConocimiento &base, const QString &objeto2, const QString &objeto1)
{
    if (!CabenDosLineas(base))
        return;
    const int primera = base.NumLineas + 1;
    const int segunda = base.NumLineas + 2;
    base.ValorSi[primera] = 0;
    base.ValorNo[primera] = 0;
    base.ValorSi[segunda] = 0;
    base.ValorNo[segunda] = 0;
    base.TextoLinea[primera] = objeto2;
    base.TextoLinea[segunda] = objeto1;
    base.NumLineas = static_cast<qint16>(segunda);
}
