#include "rutas.h"

#include <QDir>

QString NombreArchivoParaTitulo(const QString &ruta)
{
    const QString cola = ruta.right(60);
    return cola.mid(cola.lastIndexOf(QDir::separator()) + 1);
}
