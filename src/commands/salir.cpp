#include "ui/main/frmeltarvo.h"

void frmElTarvo::cmdSalir_Click()
{
    if (Modificado) {
        const auto respuesta = PreguntarGuardarActual();
        if (respuesta == Plataforma::Respuesta::Cancelar)
            return;
        // Leaving never saves by itself: the user is sent to save first.
        if (respuesta == Plataforma::Respuesta::Si) {
            plataforma.Mensaje(QStringLiteral("Guarde Ud. mismo el archivo por favor..."), QStringLiteral("Guardar"),
                               Plataforma::Botones::Aceptar, Plataforma::Icono::Exclamacion);
            return;
        }
    }
    terminando = true;
    plataforma.TerminarPrograma();
}
