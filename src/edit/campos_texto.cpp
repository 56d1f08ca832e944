#include "plataforma/plataforma.h"
#include "ui/controles/botongrafico.h"
#include "ui/controles/cajaregistro.h"
#include "ui/controles/cajatexto.h"
#include "ui/controles/tragarpulsacion.h"
#include "ui/main/frmeltarvo.h"

#include <QScopedValueRollback>

namespace {

constexpr int Comilla = 34;
constexpr int Apostrofo = 39;

// A double quote can never be stored in a file whose texts stand between double quotes.
void CambiarComilla(int &codigo)
{
    if (codigo == Comilla)
        codigo = Apostrofo;
}

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

// A text holds at most 32766 characters, a line break counting two; a break cut in half goes as a whole.
void CortarTexto(CajaTexto *caja)
{
    QString texto = caja->Texto();
    if (texto.size() <= BaseConocimiento::MaxTexto)
        return;
    const bool parteUnSalto =
        texto.at(BaseConocimiento::MaxTexto - 1) == u'\r' && texto.at(BaseConocimiento::MaxTexto) == u'\n';
    texto.truncate(BaseConocimiento::MaxTexto - (parteUnSalto ? 1 : 0));
    caja->PonerTexto(texto);
}

} // namespace

void frmElTarvo::txtTipoObjeto_KeyPress(int &KeyAscii)
{
    CambiarComilla(KeyAscii);
    Modificado = true;
}

void frmElTarvo::txtCarac_KeyPress(int &KeyAscii)
{
    CambiarComilla(KeyAscii);
    Modificado = true;
}

void frmElTarvo::txtObjeto1_KeyPress(int &KeyAscii)
{
    CambiarComilla(KeyAscii);
}

void frmElTarvo::txtObjeto2_KeyPress(int &KeyAscii)
{
    CambiarComilla(KeyAscii);
}

void frmElTarvo::txtPreguntaUsr_KeyPress(int &KeyAscii)
{
    CambiarComilla(KeyAscii);
    // Typing during a game or a learning step changes no line of the document.
    if (txtRegistro->isEnabled())
        Modificado = true;
}

void frmElTarvo::txtTipoObjeto_LostFocus()
{
    if (AceptarTextoAlSalir(txtTipoObjeto))
        Almacenar(Base.TipoObjeto, txtTipoObjeto->Texto());
}

void frmElTarvo::txtCarac_LostFocus()
{
    if (AceptarTextoAlSalir(txtCarac))
        Almacenar(Base.Caracteristicas, txtCarac->Texto());
}

void frmElTarvo::txtObjeto1_LostFocus()
{
    AceptarTextoAlSalir(txtObjeto1);
}

void frmElTarvo::txtObjeto2_LostFocus()
{
    AceptarTextoAlSalir(txtObjeto2);
}

void frmElTarvo::txtPreguntaUsr_LostFocus()
{
    // During a game the box shows the program's question, not an edit of the line.
    if (AceptarTextoAlSalir(txtPreguntaUsr) && !cmdParar->isEnabled())
        Almacenar(Base.TextoLinea[LineaActual], txtPreguntaUsr->Texto());
}

// An edit made without typing a character (Delete, a paste with the mouse, a drop) changes the document as
// much as a typed one does; a visit that leaves the text as it was changes nothing.
void frmElTarvo::Almacenar(QString &destino, const QString &texto)
{
    if (destino == texto)
        return;
    destino = texto;
    Modificado = true;
}

bool frmElTarvo::AceptarTextoAlSalir(CajaTexto *caja)
{
    CortarTexto(caja);
    if (!AvisarComillas(caja))
        return true;
    edicionRechazada = true;
    {
        QScopedValueRollback<bool> guarda(devolviendoFoco, true);
        caja->setFocus(Qt::OtherFocusReason);
    }
    // The click that took the focus away must not act on what the box refused.
    if (caja->SalioConRaton())
        TragarPulsacion::Instalar();
    return false;
}

void frmElTarvo::AlSalir(void (frmElTarvo::*manejador)())
{
    if (!devolviendoFoco)
        (this->*manejador)();
}

bool frmElTarvo::AvisarComillas(const CajaTexto *caja)
{
    if (!caja->Texto().contains(QLatin1Char('"')))
        return false;
    plataforma.Mensaje(QStringLiteral("Quite las comillas del texto ") + NombreEnMensaje(*this, caja),
                       QStringLiteral("Comillas encontradas"), Plataforma::Botones::Aceptar, Plataforma::Icono::Error);
    return true;
}
