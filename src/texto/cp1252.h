#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of knowledge-base files. Our own table, so that the result does
// not depend on how Qt was built.

// Every byte maps to one character; the five bytes that the code page leaves undefined map to the C1
// control characters of the same value, so any file decodes and encodes back to the same bytes.
QString DecodificarCp1252(const char *datos, qsizetype tamano);
QChar CaracterCp1252(char byte);
inline QString DecodificarCp1252(const QByteArray &bytes)
{
    return DecodificarCp1252(bytes.constData(), bytes.size());
}

// A character outside the code page becomes '?' (a surrogate pair counts as one character).
void AnadirCp1252(QByteArray &destino, const QString &texto);

// The characters of texto that the code page lacks, each once, in the order they first appear.
QString CaracteresFueraDeCp1252(const QString &texto);
// texto as a file gives it back: each character outside the code page is one '?'.
QString ComoEnCp1252(const QString &texto);
