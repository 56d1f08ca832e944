#pragma once

#include "plataformaguion.h"
#include "ui/main/frmeltarvo.h"

#include <QTemporaryDir>

#include <memory>

// A main window over the scripted platform, started in a fresh program folder that holds Nuevo.tvo.
class VentanaPrueba
{
public:
    VentanaPrueba();
    // Starts a new window whose program folder is the given one.
    void Reiniciar(const QString &carpetaPrograma);

    template <typename T = QWidget> T *Control(const char *nombre) const
    {
        return ventana->findChild<T *>(QLatin1String(nombre));
    }
    // Puts a knowledge base in place and the window out of play, as opening a file leaves it.
    void Cargar(const BaseConocimiento &base);
    // Selects the box's text and types over it (ASCII only, as the keyboard of a test types).
    void Teclear(const char *caja, const QString &texto);
    void Pulsar(const char *boton);

    // The backgrounds of Objeto 1, Objeto 2 and the question box, by name: "blanco amarillo amarillo".
    QString Colores() const;
    // Which of the controls that the game switches on and off are enabled, in the order of the state table.
    QString Habilitados() const;

    QTemporaryDir carpeta;
    std::unique_ptr<PlataformaGuion> plataforma;
    std::unique_ptr<frmElTarvo> ventana;
};
