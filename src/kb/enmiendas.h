#pragma once

#include "baseconocimiento.h"

// Mends of a lesson taught wrong, as operations on the base alone. Each is told apart first, so that a caller
// can disable what would not apply; the operation itself does nothing then.

// A question in use, whose two links may be swapped: the lesson answered for the wrong object is right again.
bool PuedeIntercambiarse(const BaseConocimiento &base, int linea);
void IntercambiarSiNo(BaseConocimiento &base, int linea);

enum class ImpedimentoQuitar {
    Ninguno,
    NoEsObjeto,  // not an object line in use
    UnicoObjeto, // line 1, or a base of one line: the only object
    SinPregunta, // not reached from exactly one link of one question (a hand-edited file)
    SinOtraRama, // the question's other link leads to no other line in use
    Bucle,       // the other branch leads back to the question (a hand-edited file): it would answer itself
};

ImpedimentoQuitar ComprobarQuitar(const BaseConocimiento &base, int linea);
// The one question that links to `linea`, or 0 when none or more than one link does.
int PreguntaEncima(const BaseConocimiento &base, int linea);

// Removes object `linea` and the question above it, whose place its other branch takes. The lines that stay keep
// their order and are renumbered 1..NumLineas without gaps, every link following them; line 1 stays the root.
// Returns the line of the branch that took the question's place, 0 when nothing was removed.
int QuitarObjeto(BaseConocimiento &base, int linea);
