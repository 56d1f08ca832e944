#include "plataforma/plataforma.h"
#include "ui/controles/apariencia.h"
#include "ui/controles/botongrafico.h"
#include "ui/controles/cajatexto.h"
#include "ui/main/frmeltarvo.h"

#include <QLabel>
#include <QLocale>

void frmElTarvo::EntrarModoAprender()
{
    const ImpedimentoAprender impedimento = ComprobarAprendizaje(Base, LineaActual);
    // Counts and lines that only a file can bring are refused before anything changes.
    if (impedimento != ImpedimentoAprender::Ninguno && impedimento != ImpedimentoAprender::BaseLlena) {
        AvisarImpedimento(impedimento);
        return;
    }
    ControlesEnJuego();
    PonerFondo(txtPreguntaUsr, Color::AmarilloClaro);
    if (impedimento == ImpedimentoAprender::BaseLlena) {
        AvisarImpedimento(impedimento);
        return;
    }
    cmdParar->setEnabled(false);
    // The guessed object, with whatever the user typed into the box during the game.
    txtObjeto2->PonerTexto(txtPreguntaUsr->Texto());
    txtPreguntaUsr->PonerTexto(QString());
    PonerFondo(txtObjeto1, Color::Blanco);
    PonerFondo(txtObjeto2, Color::AmarilloClaro);
    ModoAprender = true;
    Modificado = true;
}

void frmElTarvo::AvisarImpedimento(ImpedimentoAprender impedimento)
{
    QString texto;
    QString titulo = QStringLiteral("No se puede aprender");
    switch (impedimento) {
    case ImpedimentoAprender::BaseLlena: {
        QLocale local;
        local.setNumberOptions(QLocale::OmitGroupSeparator);
        texto = QStringLiteral("Ya hay más de ") + local.toString(Base.NumLineas / 2.0, 'g', 15) +
                QStringLiteral(" objetos");
        titulo = QStringLiteral("Límite de memoria");
        break;
    }
    case ImpedimentoAprender::SinSitioParaDos:
        texto =
            QStringLiteral("El archivo tiene %1 líneas: no caben dos líneas más sin pasar de 599.").arg(Base.NumLineas);
        break;
    case ImpedimentoAprender::SinLineas:
        texto = QStringLiteral("El archivo dice tener %1 líneas: no hay dónde guardar un objeto nuevo.")
                    .arg(Base.NumLineas);
        break;
    case ImpedimentoAprender::LineaFueraDeArchivo:
        texto = QStringLiteral("La línea %1 está fuera del archivo, que tiene %2 líneas: no se puede aprender en ella.")
                    .arg(LineaActual)
                    .arg(Base.NumLineas);
        break;
    case ImpedimentoAprender::Ninguno:
        return;
    }
    plataforma.Mensaje(texto, titulo, Plataforma::Botones::Aceptar, Plataforma::Icono::Exclamacion);
}

void frmElTarvo::PasoAprender(bool respuestaSi)
{
    // A pasted double quote would corrupt the file on the next save: nothing is stored until it is removed.
    for (const CajaTexto *caja : {txtObjeto1, txtObjeto2, txtPreguntaUsr})
        if (AvisarComillas(caja))
            return;
    const ImpedimentoAprender impedimento = ComprobarAprendizaje(Base, LineaActual);
    if (impedimento != ImpedimentoAprender::Ninguno) {
        AvisarImpedimento(impedimento);
        return;
    }
    ConvertirEnPregunta(Base, LineaActual, respuestaSi, txtPreguntaUsr->Texto());
    ComunSiNo1();
    ModoAprender = false;
    Modificado = true;
}

void frmElTarvo::ComunSiNo1()
{
    AnadirObjetos(Base, txtObjeto2->Texto(), txtObjeto1->Texto());
    lblTituloTvo->setText(TextoObjetosContenidos(Base.NumLineas));
    ControlesFueraDeJuego();
}
