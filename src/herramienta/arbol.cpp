#include "arbol.h"

#include "kb/recorrido.h"

#include <QStringList>

#include <cmath>
#include <vector>

namespace {

QString Etiqueta(const QString &texto)
{
    QString etiqueta = EnUnaLinea(texto);
    etiqueta.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + etiqueta + QLatin1Char('"');
}

} // namespace

QString EnUnaLinea(const QString &texto)
{
    const QString linea = QString(texto).replace(QLatin1String("\r\n"), QLatin1String(" / ")).simplified();
    // An empty text shows as such, not as nothing beside a line number.
    return linea.isEmpty() ? QStringLiteral("(vacío)") : linea;
}

QString ArbolComoTexto(const BaseConocimiento &base)
{
    if (!base.Existe(1))
        return QStringLiteral("(sin líneas)\n");
    QString salida;
    std::vector<char> estado(BaseConocimiento::MaxLineas + 1);
    RecorrerArbol(
        base, 1, estado,
        [&](const Camino &camino) {
            salida += QString::number(camino.back()) + QLatin1Char(' ') + EnUnaLinea(base.Texto(camino.back())) +
                      QLatin1Char('\n');
        },
        [&](const Camino &camino, bool si, int destino, TipoDeEnlace tipo) {
            salida += QString(2 + 6 * (camino.size() - 1), QLatin1Char(' ')) +
                      (si ? QStringLiteral("Sí → ") : QStringLiteral("No → "));
            if (tipo == TipoDeEnlace::Inexistente)
                salida += QStringLiteral("%1 (no existe)\n").arg(destino);
            else if (tipo != TipoDeEnlace::Nuevo)
                salida += QStringLiteral("%1 (ya mostrada)\n").arg(destino);
        });
    return salida;
}

QString ArbolComoDot(const BaseConocimiento &base)
{
    QString salida = QStringLiteral("digraph tvo {\n  node [fontname=\"Arial\"];\n  edge [fontname=\"Arial\"];\n");
    for (int k = 1; base.Existe(k); ++k)
        salida += QStringLiteral("  n%1 [shape=%2, label=%3];\n")
                      .arg(k)
                      .arg(base.EsPregunta(k) ? QStringLiteral("box") : QStringLiteral("ellipse"))
                      .arg(Etiqueta(QString::number(k) + QStringLiteral(": ") + base.Texto(k)));
    for (int k = 1; base.Existe(k); ++k) {
        if (!base.EsPregunta(k))
            continue;
        for (bool si : {true, false}) {
            const int destino = base.Enlace(k, si);
            const QString sentido = si ? QStringLiteral("Sí") : QStringLiteral("No");
            if (base.Existe(destino)) {
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
    for (int k = 1; base.Existe(k); ++k)
        objetos += base.EsPregunta(k) ? 0 : 1;
    const int preguntas = std::max(0, static_cast<int>(base.NumLineas)) - objetos;
    QString salida = QStringLiteral("objetos: %1\npreguntas: %2\n").arg(objetos).arg(preguntas);
    // The objects reached from line 1, with the questions on their way.
    std::vector<int> profundidades;
    Camino caminoMasLargo;
    std::vector<char> estado(BaseConocimiento::MaxLineas + 1);
    RecorrerArbol(base, 1, estado, [&](const Camino &camino) {
        if (base.EsPregunta(camino.back()))
            return;
        profundidades.push_back(static_cast<int>(camino.size()) - 1);
        if (camino.size() - 1 > caminoMasLargo.size())
            caminoMasLargo.assign(camino.begin(), camino.end() - 1);
    });
    if (profundidades.empty())
        return salida + QStringLiteral("ningún objeto se alcanza desde la línea 1\n");

    const auto [minima, maxima] = std::minmax_element(profundidades.begin(), profundidades.end());
    double suma = 0;
    for (int profundidad : profundidades)
        suma += profundidad;
    const double media = suma / profundidades.size();
    // A perfectly balanced tree of n objects asks log2(n) questions on average.
    const double ideal = std::log2(static_cast<double>(profundidades.size()));
    salida += QStringLiteral("objetos alcanzables: %1\n").arg(profundidades.size());
    salida +=
        QStringLiteral("profundidad: mínima %1, media %2, máxima %3\n").arg(*minima).arg(media, 0, 'f', 2).arg(*maxima);
    QStringList camino;
    for (int linea : caminoMasLargo)
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
