#include "ui/main/frmeltarvo.h"

void frmElTarvo::cmdCrearArchTvo_Click()
{
    if (!GuardarAntesDeDescartar())
        return;
    IniciarArchivoNuevo();
    MostrarArchivoEnVisor();
}
