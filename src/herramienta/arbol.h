#pragma once

#include "kb/baseconocimiento.h"

#include <QString>

// A text on one line of output: its line breaks become " / ", and an empty one reads "(vacío)".
QString EnUnaLinea(const QString &texto);

// The tree from line 1 as indented text: each question with its Sí and No branches, with line numbers.
QString ArbolComoTexto(const BaseConocimiento &base);

// The whole base as a Graphviz graph: questions as boxes, objects as ellipses, edges labelled "Sí" and "No";
// a link to no line is a red dashed edge to a red node.
QString ArbolComoDot(const BaseConocimiento &base);

// Objects, questions, depth of the objects from line 1, the longest path's questions and how balanced the tree is.
QString Estadisticas(const BaseConocimiento &base);
