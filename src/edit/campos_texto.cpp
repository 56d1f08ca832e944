#include "plataforma/plataforma.h"
#include "ui/controles/cajatexto.h"
#include "ui/main/frmeltarvo.h"

namespace {

// How the quote message names each box.
QString NombreEnMensaje(const frmElTarvo &ventana, const CajaTexto *caja)
{
    if (caja == ventana.txtTipoObjeto)
        return QStringLiteral("Tipo de objeto");
    if (caja == ventana.txtCarac)
        return QStringLiteral("Características");
    if (caja == ventana.txtObjeto1)
        return QStringLiteral("Objeto 1");
    if (caja == ventana.txtObjeto2)
        return QStringLiteral("Objeto 2");
    return QStringLiteral("Pregunta");
}

} // namespace

bool frmElTarvo::AvisarComillas(const CajaTexto *caja)
{
    if (!caja->Texto().contains(QLatin1Char('"')))
        return false;
    plataforma.Mensaje(QStringLiteral("Quite las comillas del texto ") + NombreEnMensaje(*this, caja),
                       QStringLiteral("Comillas encontradas"), Plataforma::Botones::Aceptar, Plataforma::Icono::Error);
    return true;
}
