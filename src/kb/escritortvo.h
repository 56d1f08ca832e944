#pragma once

#include "baseconocimiento.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

// The records of a knowledge-base file: the two header records, the count record and lines 1..NumLineas,
// each "n,n,n,\"text\"" ended by CR LF, in Windows-1252, one QByteArray a record. Texts longer than 32766
// characters are cut, in the file and in memory alike, so that memory and file agree after a save.
//
// It keeps the records of its last encoding and encodes again only the lines whose links or text changed
// since: a save after one edit of a maximal base encodes one text, not 19.6 MB. A text counts as unchanged
// while it still shares its characters with the copy kept here; a shared QString cannot change in place,
// so any edit of the base's text gives it characters of its own.
class CodificadorTvo
{
public:
    QList<QByteArray> Codificar(BaseConocimiento &base);

private:
    struct Linea {
        qint16 valorSi = 0;
        qint16 valorNo = 0;
        QString texto;
        QByteArray registro;
    };
    // Index k - 1 holds line k.
    std::vector<Linea> lineas;
};

// The whole file at once, without keeping anything for a later save.
QByteArray CodificarArchivoTvo(BaseConocimiento &base);

// Writes bytes given in consecutive pieces to ruta and returns the error number (0 on success). The file is
// replaced atomically: after any failure the previous file is byte-for-byte what it was.
int GuardarBytes(const QList<QByteArray> &partes, const QString &ruta);

// Encodes the whole knowledge base and writes it with GuardarBytes.
int EscribirArchivoTvo(BaseConocimiento &base, const QString &ruta);
