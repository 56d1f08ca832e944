#pragma once

#include "baseconocimiento.h"

#include <QByteArray>
#include <QString>

// The bytes of a knowledge-base file: the two header records, the count record and lines 1..NumLineas,
// each "n,n,n,\"text\"" ended by CR LF, in Windows-1252. Texts longer than 32766 characters are cut, in the
// file and in memory alike, so that memory and file agree after a save.
QByteArray CodificarArchivoTvo(BaseConocimiento &base);

// Writes bytes to ruta and returns the error number (0 on success). The file is replaced atomically: after any
// failure the previous file is byte-for-byte what it was.
int GuardarBytes(const QByteArray &bytes, const QString &ruta);

// Encodes the knowledge base and writes it: CodificarArchivoTvo, then GuardarBytes.
int EscribirArchivoTvo(BaseConocimiento &base, const QString &ruta);
