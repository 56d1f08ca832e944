#pragma once

#include "ventanaprueba.h"

#include <QObject>

// The fixture of the window tests: a fresh window over a scripted platform for every test function, and a
// check after each that the script was followed.
class PruebaDeVentana : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

protected:
    template <typename T = QWidget> T *Control(const char *nombre) const { return prueba->Control<T>(nombre); }

    std::unique_ptr<VentanaPrueba> prueba;
    frmElTarvo *ventana = nullptr;
    PlataformaGuion *guion = nullptr;
};
