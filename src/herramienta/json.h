#pragma once

#include "kb/baseconocimiento.h"

#include <QByteArray>
#include <QString>

// The whole base as JSON: the two header texts, the tree from line 1 as nested nodes ({"linea", "pregunta", "si",
// "no"} or {"linea", "objeto"}), and the trees of the lines that line 1 does not reach under "sueltas", so that
// nothing of the file is lost. A link to a line already given is {"linea": N, "vuelve": true}, a link to no line
// null.
QByteArray BaseComoJson(const BaseConocimiento &base);

// A base from the JSON that BaseComoJson writes, numbered afresh breadth-first: the root on line 1, each
// question's Sí and No answers on the next two free lines, then the loose trees. `error` names the JSON path of
// what the game could not hold, and the base is then not to be used.
struct BaseImportada {
    BaseConocimiento base;
    QString error;
};
BaseImportada BaseDesdeJson(const QByteArray &json);
