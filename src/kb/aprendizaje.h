#pragma once

#include "baseconocimiento.h"

#include <QString>

// The data half of a learning step: the current line L becomes a question that links to two new object lines,
// NumLineas + 1 and NumLineas + 2. Files can bring counts and lines with which the step would overwrite its own
// question or write past line 599; those are told apart here, before anything changes.
enum class ImpedimentoAprender {
    Ninguno,
    BaseLlena,           // NumLineas >= 599: no room for another object
    SinSitioParaDos,     // an even count, so that line NumLineas + 2 would be 600
    SinLineas,           // NumLineas <= 0: the new lines would take the place of existing ones
    LineaFueraDeArchivo, // the current line is above NumLineas, or not a line at all
};

ImpedimentoAprender ComprobarAprendizaje(const BaseConocimiento &base, int linea);

// Links line `linea` to the two new lines, the given answer leading to NumLineas + 1, and stores the question
// text in it. Does nothing unless ComprobarAprendizaje allows the step.
void ConvertirEnPregunta(BaseConocimiento &base, int linea, bool respuestaSi, const QString &pregunta);

// Appends the two object lines: NumLineas + 1 holds objeto2 (the one the answer refers to), NumLineas + 2 holds
// objeto1 (the new one); NumLineas grows by 2. Does nothing when the two lines do not fit.
void AnadirObjetos(BaseConocimiento &base, const QString &objeto2, const QString &objeto1);
