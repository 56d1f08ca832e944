#pragma once

#include <QRect>

// The layout of the main window, as it was drawn: every control with its container, its kind, where it stands in
// twips (1/1440 inch; 15 make a logical pixel) within the container, and its caption. The window builds itself from
// it; the benchmark builds the same window from plain toolkit parts to measure what ours costs beyond them.
struct Lugar {
    enum Clase { Marco, Caja, Visor, Etiqueta, Numero, Boton, BotonConDibujo };
    const char *nombre;
    // Nothing: the window itself.
    const char *contenedor;
    Clase clase;
    QRect twips;
    // UTF-8; empty where the model gives the text.
    const char *texto;
};

// The window's client area.
constexpr QRect TwipsDeVentana{0, 0, 9660, 7320};

// Every control, each container before what it holds, in the order they are created.
const Lugar *Disposicion(int &cuantos);
// The place of the control so named; it must be in the table.
const Lugar &LugarDe(const char *nombre);
