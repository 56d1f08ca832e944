#include "ui/main/frmeltarvo.h"

void frmElTarvo::cmdSalir_Click()
{
    if (Modificado) {
        switch (PreguntarGuardarActual()) {
        case Plataforma::Respuesta::No:
            break;
        case Plataforma::Respuesta::Si:
            // Leaving never saves by itself: the user is sent to save first.
            plataforma.Mensaje(QStringLiteral("Guarde Ud. mismo el archivo por favor..."), QStringLiteral("Guardar"),
                               Plataforma::Botones::Aceptar, Plataforma::Icono::Exclamacion);
            return;
        default:
            // Cancel, and any answer that is neither Yes nor No, stays in the program.
            return;
        }
    }
    terminando = true;
    plataforma.TerminarPrograma();
}
