#pragma once

#include "baseconocimiento.h"

#include <functional>
#include <vector>

// How a link of a question stands when a walk reaches it.
enum class TipoDeEnlace {
    Nuevo,       // to a line not entered yet: the walk enters it now
    EnCamino,    // to a line on the way to the question: a cycle
    Visto,       // to a line entered before, off the way
    Inexistente, // to no line in use
};

// The lines from where a walk started to the line at hand, both included.
using Camino = std::vector<int>;

// A depth-first walk from line `desde` that follows each question's Sí link and then its No link, and enters each
// line in use once, so that the loops of a hand-edited file end. `estado`, one entry for each of lines 0..599, holds a
// 0 for a line not entered yet and may be shared by walks from several lines. alEntrar is told each line entered;
// alSeguir each link of a question, before the walk enters a new line through it.
void RecorrerArbol(
    const BaseConocimiento &base, int desde, std::vector<char> &estado,
    const std::function<void(const Camino &camino)> &alEntrar,
    const std::function<void(const Camino &camino, bool si, int destino, TipoDeEnlace tipo)> &alSeguir = {});
