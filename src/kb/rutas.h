#pragma once

#include <QString>

// The part of a document's path that the window caption shows: of the last 60 characters of the path, what
// follows the last separator; a name longer than 59 characters shows as the last 60 characters.
QString NombreArchivoParaTitulo(const QString &ruta);

// The title of a question about a file: the last 60 characters of its path.
QString TituloDeRuta(const QString &ruta);
