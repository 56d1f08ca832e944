#include "arbol.h"

#include <QStringList>

#include <cmath>
#include <vector>

namespace {

bool Existe(const BaseConocimiento &base, int linea)
{
    return linea >= 1 && linea <= base.NumLineas && BaseConocimiento::LineaUsable(linea);
}

// A text on one line of output.
QString EnUnaLinea(const QString &texto)
{
    return QString(texto).replace(QLatin1String("\r\n"), QLatin1String(" / ")).simplified();
}

void Escribir(const BaseConocimiento &base, int linea, const QString &sangria, std::vector<bool> &mostrada,
              QString &salida)
{
    salida += QString::number(linea) + QLatin1Char(' ') + EnUnaLinea(base.Texto(linea)) + QLatin1Char('\n');
    mostrada[linea] = true;
    if (!base.EsPregunta(linea))
        return;
    for (bool si : {true, false}) {
        const int destino = base.Enlace(linea, si);
        salida += sangria + (si ? QStringLiteral("Sí → ") : QStringLiteral("No → "));
        if (!Existe(base, destino))
            salida += QStringLiteral("%1 (no existe)\n").arg(destino);
        else if (mostrada[destino])
            salida += QStringLiteral("%1 (ya mostrada)\n").arg(destino);
        else
            Escribir(base, destino, sangria + QStringLiteral("      "), mostrada, salida);
    }
}

QString Etiqueta(const QString &texto)
{
    QString etiqueta = EnUnaLinea(texto);
    etiqueta.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + etiqueta + QLatin1Char('"');
}

struct Recorrido {
    std::vector<int> profundidades;
    std::vector<int> caminoMasLargo;
};

// The objects reached from line 1 and their depth, that is the questions on their way; every line is entered
// once, so loops in a hand-edited file end.
Recorrido Recorrer(const BaseConocimiento &base)
{
    Recorrido recorrido;
    if (!Existe(base, 1))
        return recorrido;
    std::vector<bool> visitada(base.NumLineas + 1, false);
    std::vector<int> camino;
    std::vector<std::pair<int, int>> pila{{1, 0}};
    visitada[1] = true;
    while (!pila.empty()) {
        auto &[linea, rama] = pila.back();
        if (rama == 0)
            camino.push_back(linea);
        if (!base.EsPregunta(linea) || rama == 2) {
            if (!base.EsPregunta(linea)) {
                recorrido.profundidades.push_back(static_cast<int>(camino.size()) - 1);
                if (camino.size() - 1 > recorrido.caminoMasLargo.size())
                    recorrido.caminoMasLargo.assign(camino.begin(), camino.end() - 1);
            }
            camino.pop_back();
            pila.pop_back();
            continue;
        }
        const int destino = base.Enlace(linea, rama++ == 0);
        if (Existe(base, destino) && !visitada[destino]) {
            visitada[destino] = true;
            pila.push_back({destino, 0});
        }
    }
    return recorrido;
}

} // namespace

QString ArbolComoTexto(const BaseConocimiento &base)
{
    if (!Existe(base, 1))
        return QStringLiteral("(sin líneas)\n");
    std::vector<bool> mostrada(base.NumLineas + 1, false);
    QString salida;
    Escribir(base, 1, QStringLiteral("  "), mostrada, salida);
    return salida;
}

QString ArbolComoDot(const BaseConocimiento &base)
{
    QString salida = QStringLiteral("digraph tvo {\n  node [fontname=\"Arial\"];\n  edge [fontname=\"Arial\"];\n");
    for (int k = 1; Existe(base, k); ++k)
        salida += QStringLiteral("  n%1 [shape=%2, label=%3];\n")
                      .arg(k)
                      .arg(base.EsPregunta(k) ? QStringLiteral("box") : QStringLiteral("ellipse"))
                      .arg(Etiqueta(QString::number(k) + QStringLiteral(": ") + base.Texto(k)));
    for (int k = 1; Existe(base, k); ++k) {
        if (!base.EsPregunta(k))
            continue;
        for (bool si : {true, false}) {
            const int destino = base.Enlace(k, si);
            const QString sentido = si ? QStringLiteral("Sí") : QStringLiteral("No");
            if (Existe(base, destino)) {
                salida += QStringLiteral("  n%1 -> n%2 [label=\"%3\"];\n").arg(k).arg(destino).arg(sentido);
                continue;
            }
            const QString nodo = QStringLiteral("mal%1_%2").arg(k).arg(si ? 1 : 0);
            salida += QStringLiteral("  %1 [shape=octagon, color=red, fontcolor=red, label=\"%2?\"];\n")
                          .arg(nodo)
                          .arg(destino);
            salida += QStringLiteral("  n%1 -> %2 [label=\"%3\", color=red, fontcolor=red, style=dashed];\n")
                          .arg(k)
                          .arg(nodo, sentido);
        }
    }
    return salida + QStringLiteral("}\n");
}

QString Estadisticas(const BaseConocimiento &base)
{
    int objetos = 0;
    for (int k = 1; Existe(base, k); ++k)
        objetos += base.EsPregunta(k) ? 0 : 1;
    const int preguntas = std::max(0, static_cast<int>(base.NumLineas)) - objetos;
    QString salida = QStringLiteral("objetos: %1\npreguntas: %2\n").arg(objetos).arg(preguntas);
    const Recorrido recorrido = Recorrer(base);
    if (recorrido.profundidades.empty())
        return salida + QStringLiteral("ningún objeto se alcanza desde la línea 1\n");

    const auto [minima, maxima] = std::minmax_element(recorrido.profundidades.begin(), recorrido.profundidades.end());
    double suma = 0;
    for (int profundidad : recorrido.profundidades)
        suma += profundidad;
    const double media = suma / recorrido.profundidades.size();
    // A perfectly balanced tree of n objects asks log2(n) questions on average.
    const double ideal = std::log2(static_cast<double>(recorrido.profundidades.size()));
    salida += QStringLiteral("objetos alcanzables: %1\n").arg(recorrido.profundidades.size());
    salida +=
        QStringLiteral("profundidad: mínima %1, media %2, máxima %3\n").arg(*minima).arg(media, 0, 'f', 2).arg(*maxima);
    QStringList camino;
    for (int linea : recorrido.caminoMasLargo)
        camino << QStringLiteral("%1 %2").arg(linea).arg(EnUnaLinea(base.Texto(linea)));
    salida += QStringLiteral("camino más largo (%1 %2):\n")
                  .arg(camino.size())
                  .arg(camino.size() == 1 ? QStringLiteral("pregunta") : QStringLiteral("preguntas"));
    for (const QString &paso : camino)
        salida += QStringLiteral("  ") + paso + QLatin1Char('\n');
    salida += QStringLiteral("equilibrio: %1% (media ideal %2)\n")
                  .arg(media > 0 ? std::min(100.0, 100 * ideal / media) : 100.0, 0, 'f', 0)
                  .arg(ideal, 0, 'f', 2);
    return salida;
}
