#pragma once

#include "pruebademodelo.h"
#include "ui/main/frmeltarvo.h"

// The fixture of the window tests: the model fixture with the main window over it, shown and active, since
// focus changes reach only an active window.
class PruebaDeVentana : public PruebaDeModelo
{
    Q_OBJECT
protected:
    void Arrancar() override;
    void Terminar() override { ventana.reset(); }

    template <typename T = QWidget> T *Control(const char *nombre) const
    {
        return ventana->findChild<T *>(QLatin1String(nombre));
    }
    void Pulsar(const char *boton);
    // Gives the box the focus, selects its text and types over it.
    void Teclear(const char *caja, const QString &texto);
    // Moves the focus from the box to the file view, as a click there does.
    void Salir(const char *caja);

    std::unique_ptr<frmElTarvo> ventana;
};
