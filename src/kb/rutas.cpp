#include "rutas.h"

#include <QDir>

QString TituloDeRuta(const QString &ruta)
{
    return ruta.right(60);
}

QString NombreArchivoParaTitulo(const QString &ruta)
{
    const QString cola = TituloDeRuta(ruta);
    return cola.mid(cola.lastIndexOf(QDir::separator()) + 1);
}
