#include "kb/lectortvo.h"
#include "ui/controles/apariencia.h"
#include "ui/controles/cajatexto.h"
#include "ui/controles/visorarchivo.h"
#include "ui/main/frmeltarvo.h"

#include <QLabel>

void frmElTarvo::cmdTvoDeDisco_Click()
{
    if (!GuardarAntesDeDescartar())
        return;
    const std::optional<QString> ruta =
        ElegirArchivoTvo(Plataforma::Dialogo::Abrir, QStringLiteral("Abrir archivo tvo"));
    if (!ruta)
        return;
    // From here on the old knowledge base is gone, whatever the file turns out to hold.
    RutaArch = *ruta;
    MostrarNombreArchivo();
    BorrarDatos();
    ControlesFueraDeJuego();
    ModoAprender = false;
    const QByteArray leidos = LeerArchivo();
    if (terminando)
        return;
    MostrarDatosCargados();
    // The view shows the file as just read, without reading it a second time.
    RichTextBox1->MostrarBytes({leidos});
}

QByteArray frmElTarvo::LeerArchivo()
{
    LectorTvo lector(Base, RutaArch);
    while (!lector.Terminado()) {
        const int error = lector.EjecutarPaso();
        if (!error)
            continue;
        switch (PreguntarContinuar(QStringLiteral("Abrir"), error)) {
        case TrasError::Reintentar:
            break;
        case TrasError::Omitir:
            lector.OmitirPaso();
            break;
        case TrasError::Terminar:
            return {};
        }
    }
    return lector.Bytes();
}

void frmElTarvo::BorrarDatos()
{
    BorrarLineas();
    Base.TipoObjeto = QStringLiteral("Objeto (tipo de objeto)");
    Modificado = false;
}

void frmElTarvo::MostrarDatosCargados()
{
    txtTipoObjeto->PonerTexto(Base.TipoObjeto);
    txtCarac->PonerTexto(Base.Caracteristicas);
    txtObjeto2->PonerTexto(QString());
    MostrarLinea(LineaActual);
    // The colours of a game in play, not those of a new document.
    PonerFondo(txtObjeto1, Color::AmarilloClaro);
    PonerFondo(txtObjeto2, Color::Blanco);
    PonerFondo(txtPreguntaUsr, Color::AmarilloClaro);
    lblNomArchTvo->setText(RutaArch);
    lblTituloTvo->setText(TextoObjetosContenidos(Base.NumLineas));
    MostrarNombreArchivo();
    EsArchivoNuevo = false;
    Modificado = false;
}
