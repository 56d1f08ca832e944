#include "pruebadeventana.h"

#include <QTest>

void PruebaDeVentana::init()
{
    prueba = std::make_unique<VentanaPrueba>();
    ventana = prueba->ventana.get();
    guion = prueba->plataforma.get();
}

void PruebaDeVentana::cleanup()
{
    QVERIFY(guion->Comprobar());
    prueba.reset();
}
