#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// What a file was when the program last read or wrote it, to tell whether another program changed it since: its
// size and modification time, and a hash of its bytes, which a file system that keeps times to the second needs.
struct Huella {
    // -1: there was no file.
    qint64 tamano = -1;
    // Milliseconds since 1970, UTC.
    qint64 modificado = 0;
    // SHA-1 of the bytes; empty until it is asked for.
    QByteArray hash;

    bool MismoTamanoYHora(const Huella &otra) const
    {
        return tamano == otra.tamano && (tamano < 0 || modificado == otra.modificado);
    }
};

// The size and time of the file at ruta now, without its hash; tamano -1 when there is no regular file.
Huella HuellaDeArchivo(const QString &ruta);
QByteArray HashDe(const QList<QByteArray> &partes);
// The hash of the file's bytes; empty when it cannot be read.
QByteArray HashDeArchivo(const QString &ruta);
// Whether the file at ruta holds exactly these bytes.
bool ArchivoContiene(const QString &ruta, const QList<QByteArray> &partes);
