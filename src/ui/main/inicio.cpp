#include "frmeltarvo.h"

#include "kb/rutas.h"
#include "plataforma/plataforma.h"
#include "ui/controles/apariencia.h"
#include "ui/controles/botongrafico.h"
#include "ui/controles/cajatexto.h"
#include "ui/controles/visorarchivo.h"

#include "ui/controles/cajaregistro.h"
#include <QDir>
#include <QLabel>
#include <QLineEdit>

void frmElTarvo::Form_Load()
{
    Modificado = false;
    EsArchivoNuevo = true;
    IniciarArchivoNuevo();
}

void frmElTarvo::IniciarArchivoNuevo()
{
    BorrarLineas();
    Base.TipoObjeto = QStringLiteral("Objeto (tipo de objeto)");
    Base.Caracteristicas = QStringLiteral("Características del archivo");
    RutaApp = plataforma.CarpetaPrograma();
    NomArch = QStringLiteral("Nuevo.tvo");
    // The separator is always added, also after a folder that ends with one.
    RutaArch = RutaApp + QDir::separator() + NomArch;
    MostrarArchivoEnVisor();
    txtTipoObjeto->PonerTexto(Base.TipoObjeto);
    // The box shows the text with parentheses; the header string keeps its own until the box is left.
    txtCarac->PonerTexto(QStringLiteral("Características (del archivo)"));
    txtObjeto2->PonerTexto(QStringLiteral("Objeto #2 - Escriba aquí el segundo objeto"));
    txtPreguntaUsr->PonerTexto(
        QStringLiteral("Pregunta usuario - Escriba aquí la pregunta. Luego conteste pulsando en Si o No"));
    PonerFondo(txtPreguntaUsr, Color::AmarilloClaro);
    PonerFondo(txtObjeto2, Color::AmarilloClaro);
    PonerFondo(txtObjeto1, Color::Blanco);
    lblNomArchTvo->setText(RutaArch);
    lblTituloTvo->setText(QStringLiteral("El archivo tvo contiene 0 objetos"));
    ControlesEnJuego();
    ModoAprender = true;
    MostrarNombreArchivo();
    EsArchivoNuevo = true;
    Modificado = true;
}

void frmElTarvo::BorrarLineas()
{
    Base.VaciarLineas();
    // The records kept from the last save belong to the base just emptied: let their memory go.
    codificador = {};
    Base.NumLineas = 1;
    LineaActual = 1;
    MostrarLinea(LineaActual);
}

void frmElTarvo::MostrarNombreArchivo()
{
    setWindowTitle(NombreArchivoParaTitulo(RutaArch) + QStringLiteral(" - El Tarvo"));
    lblNomArchTvo->setText(RutaArch);
}

void frmElTarvo::MostrarLinea(qint16 n)
{
    txtRegistro->setText(QString::number(n));
    txtValorSi->setText(QString::number(Base.Enlace(n, true)));
    txtValorNo->setText(QString::number(Base.Enlace(n, false)));
    txtPreguntaUsr->PonerTexto(Base.Texto(n));
}

void frmElTarvo::MostrarArchivoEnVisor()
{
    RichTextBox1->MostrarArchivo(RutaArch);
}

namespace {

void AplicarEstados(frmElTarvo &ventana, bool enJuego)
{
    ventana.cmdSi->setEnabled(enJuego);
    ventana.cmdNo->setEnabled(enJuego);
    ventana.cmdJugar->setEnabled(!enJuego);
    ventana.cmdParar->setEnabled(false);
    ventana.cmdCrearArchTvo->setEnabled(!enJuego);
    ventana.cmdTvoDeDisco->setEnabled(!enJuego);
    ventana.cmdGuardar->setEnabled(!enJuego);
    ventana.cmdGuardarComo->setEnabled(!enJuego);
    ventana.txtRegistro->setEnabled(!enJuego);
    PonerFondo(ventana.txtRegistro, enJuego ? Color::GrisClaro : Color::MagentaClaro);
    ventana.cmdArrDer->setEnabled(!enJuego);
    ventana.cmdArrIzq->setEnabled(!enJuego);
    ventana.cmdArrFirst->setEnabled(!enJuego);
    ventana.cmdArrLast->setEnabled(!enJuego);
}

} // namespace

void frmElTarvo::ControlesEnJuego()
{
    AplicarEstados(*this, true);
}

void frmElTarvo::ControlesFueraDeJuego()
{
    AplicarEstados(*this, false);
}
