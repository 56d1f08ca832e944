#include "ui/controles/botongrafico.h"
#include "ui/main/frmeltarvo.h"
#include "ventanadocumento.h"

namespace {

// Creates the window on first use; a window already open is only brought to the front, as it stands.
template <typename Ventana> void MostrarVentana(QPointer<Ventana> &ventana)
{
    if (!ventana)
        ventana = new Ventana;
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}

} // namespace

void frmElTarvo::cmdAyuda_Click()
{
    MostrarVentana(ventanaAyuda);
}

void frmElTarvo::cmdVocab_Click()
{
    MostrarVentana(ventanaVocab);
}
