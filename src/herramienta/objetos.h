#pragma once

#include "kb/baseconocimiento.h"

#include <QString>

// Every object that line 1 reaches, one a line with its line number, in the order of a Spanish dictionary (neither
// accents nor case decide it); then, under a heading of their own, the objects that line 1 does not reach.
QString ListaDeObjetos(const BaseConocimiento &base);

// Every object whose text holds `texto`, ignoring case and accents, each with the questions and answers that lead to
// it from line 1; empty when no object holds it.
QString BuscarObjetos(const BaseConocimiento &base, const QString &texto);
