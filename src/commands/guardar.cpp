#include "kb/errores.h"
#include "kb/escritortvo.h"
#include "kb/rutas.h"
#include "ui/controles/visorarchivo.h"
#include "ui/main/frmeltarvo.h"

#include <QFile>

void frmElTarvo::cmdGuardar_Click()
{
    // A document without a file of the user's choosing never writes the default "Nuevo.tvo".
    if (EsArchivoNuevo) {
        cmdGuardarComo_Click();
        return;
    }
    const bool escrito = EscribirArchivo();
    if (terminando)
        return;
    if (escrito)
        Modificado = false;
    else
        MostrarArchivoEnVisor();
}

void frmElTarvo::cmdGuardarComo_Click()
{
    const std::optional<QString> candidato =
        ElegirArchivoTvo(Plataforma::Dialogo::Guardar, QStringLiteral("Guardar archivo tvo"));
    if (!candidato) {
        Modificado = true;
        return;
    }
    // A file counts as existing when it can be opened for reading.
    ArchExiste = QFile(*candidato).open(QIODevice::ReadOnly);
    if (ArchExiste &&
        plataforma.Mensaje(QStringLiteral("¿Sobreescribir?"), TituloDeRuta(*candidato), Plataforma::Botones::SiNo,
                           Plataforma::Icono::Exclamacion) != Plataforma::Respuesta::Si) {
        plataforma.Pitido();
        return;
    }
    RutaArch = *candidato;
    EsArchivoNuevo = false;
    const bool escrito = EscribirArchivo();
    if (terminando)
        return;
    MostrarNombreArchivo();
    // A failed write leaves the old file as it was, and the document marked as changed.
    if (escrito)
        Modificado = false;
    else
        MostrarArchivoEnVisor();
}

bool frmElTarvo::EscribirArchivo()
{
    for (;;) {
        const QList<QByteArray> registros = codificador.Codificar(Base);
        const int error = GuardarBytes(registros, RutaArch);
        if (error == Error::Ninguno) {
            // The viewer shows the file as written, without reading it back.
            RichTextBox1->MostrarBytes(registros);
            return true;
        }
        if (PreguntarContinuar(QStringLiteral("Guardar"), error) != TrasError::Reintentar)
            return false;
    }
}
