#include "baseconocimiento.h"

#include <cmath>

void BaseConocimiento::VaciarLineas()
{
    ValorSi.fill(0);
    ValorNo.fill(0);
    for (QString &texto : TextoLinea)
        texto.clear();
    NumLineas = 1;
}

bool BaseConocimiento::EsPregunta(int linea) const
{
    return Enlace(linea, true) != 0 || Enlace(linea, false) != 0;
}

qint16 BaseConocimiento::Enlace(int linea, bool respuestaSi) const
{
    if (!LineaUsable(linea))
        return 0;
    return respuestaSi ? ValorSi[linea] : ValorNo[linea];
}

QString BaseConocimiento::Texto(int linea) const
{
    return LineaUsable(linea) ? TextoLinea[linea] : QString();
}

QString TextoObjetosContenidos(qint16 numLineas)
{
    const auto objetos = static_cast<long>(std::floor(numLineas / 2.0)) + 1;
    return QStringLiteral("El archivo tvo contiene ") + NumeroConSigno(objetos) + QStringLiteral(" objetos");
}

QString CortarTexto(const QString &texto, Corte corte)
{
    constexpr int Max = BaseConocimiento::MaxTexto;
    if (texto.size() <= Max)
        return texto;
    const bool parteUnSalto = corte == Corte::SinPartirSaltos && texto.at(Max - 1) == u'\r' && texto.at(Max) == u'\n';
    return texto.left(parteUnSalto ? Max - 1 : Max);
}

QString NumeroConSigno(long numero)
{
    return (numero < 0 ? QString() : QStringLiteral(" ")) + QString::number(numero);
}
