#include "plataforma/plataforma.h"
#include "ui/controles/apariencia.h"
#include "ui/controles/botongrafico.h"
#include "ui/controles/cajatexto.h"
#include "ui/main/frmeltarvo.h"

void frmElTarvo::cmdJugar_Click()
{
    LineaActual = 1;
    MostrarLinea(LineaActual);
    txtObjeto2->PonerTexto(QString());
    // The colours of a game: the question is about the object the user thinks of. Line 1's links are not
    // looked at, so a guess at line 1 starts on light yellow too.
    PonerFondo(txtObjeto1, Color::AmarilloClaro);
    PonerFondo(txtObjeto2, Color::Blanco);
    PonerFondo(txtPreguntaUsr, Color::AmarilloClaro);
    ControlesEnJuego();
    ModoAprender = false;
    cmdParar->setEnabled(true);
}

void frmElTarvo::cmdSi_Click()
{
    if (ModoAprender)
        PasoAprender(true);
    else
        ResponderEnJuego(true);
}

void frmElTarvo::cmdNo_Click()
{
    if (ModoAprender)
        PasoAprender(false);
    else
        ResponderEnJuego(false);
}

void frmElTarvo::cmdParar_Click()
{
    ModoAprender = false;
    ControlesFueraDeJuego();
}

void frmElTarvo::MostrarTextoLinea()
{
    txtPreguntaUsr->PonerTexto(Base.Texto(LineaActual));
    PonerColorTexto(txtPreguntaUsr, Color::Negro);
    PonerFondo(txtPreguntaUsr, Base.EsPregunta(LineaActual) ? Color::AmarilloClaro : Color::RojoClaro);
}

void frmElTarvo::ResponderEnJuego(bool respuestaSi)
{
    if (Base.EsPregunta(LineaActual)) {
        const qint16 siguiente = Base.Enlace(LineaActual, respuestaSi);
        // A file can link anywhere, 0 on one side included; only lines 1..599 exist.
        if (!BaseConocimiento::LineaUsable(siguiente)) {
            TerminarPorEnlaceIncorrecto(siguiente);
            return;
        }
        LineaActual = siguiente;
        MostrarLinea(LineaActual);
        MostrarTextoLinea();
    } else if (respuestaSi) {
        ControlesFueraDeJuego();
        PonerFondo(txtPreguntaUsr, Color::VerdeClaro);
    } else {
        EntrarModoAprender();
    }
}

void frmElTarvo::TerminarPorEnlaceIncorrecto(qint16 destino)
{
    plataforma.Mensaje(QStringLiteral("La línea %1 lleva a la línea %2, que no existe. El juego termina aquí.")
                           .arg(LineaActual)
                           .arg(destino),
                       QStringLiteral("Enlace incorrecto"), Plataforma::Botones::Aceptar,
                       Plataforma::Icono::Exclamacion);
    ModoAprender = false;
    ControlesFueraDeJuego();
}
