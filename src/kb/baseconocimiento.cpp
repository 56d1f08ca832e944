#include "baseconocimiento.h"

#include <cmath>

void BaseConocimiento::VaciarLineas()
{
    ValorSi.fill(0);
    ValorNo.fill(0);
    for (QString &texto : TextoLinea)
        texto.clear();
}

QString TextoObjetosContenidos(qint16 numLineas)
{
    const auto objetos = static_cast<long>(std::floor(numLineas / 2.0)) + 1;
    const QString signo = objetos < 0 ? QString() : QStringLiteral(" ");
    return QStringLiteral("El archivo tvo contiene ") + signo + QString::number(objetos) + QStringLiteral(" objetos");
}
