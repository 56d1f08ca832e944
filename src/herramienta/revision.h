#pragma once

#include "kb/baseconocimiento.h"

#include <QList>
#include <QString>

// What is wrong with a knowledge-base file, found with the game's own reader.
struct Problema {
    int lineaArchivo; // the line of the file where the record concerned begins
    QString texto;
    // Writing the base back would change or drop what the reader kept or skipped here: a text cut, a number, a
    // record. The tree's problems are kept as they are.
    bool seReescribeDistinto = false;
};

struct Revision {
    bool legible = true; // false when the file could not be opened at all
    QList<Problema> problemas;
    BaseConocimiento base; // what the game would hold after "Abrir..." with Ignore to every error
};

// Reads the file as "Abrir..." does when every error is ignored, and reports the reader's errors and every
// problem of the tree: links to no line, half questions, cycles, lines out of the tree or reached twice, an
// even count, over-long or unclosed texts, texts cut short by a quote inside, empty and repeated objects. Sorted
// by line of the file.
Revision RevisarArchivo(const QString &ruta);

// Reads the file as "Abrir..." does when every error is ignored; false when it cannot be opened.
bool LeerBase(const QString &ruta, BaseConocimiento &base);
