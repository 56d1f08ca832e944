#include "objetos.h"

#include "arbol.h"
#include "kb/recorrido.h"
#include "texto/plegado.h"

#include <QCollator>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

// The objects in use, with the way from line 1 to each one that line 1 reaches; an empty way for the others.
struct Objeto {
    int linea;
    Camino camino;
};

std::vector<Objeto> Objetos(const BaseConocimiento &base)
{
    std::vector<Objeto> objetos;
    std::vector<char> estado(BaseConocimiento::MaxLineas + 1);
    RecorrerArbol(base, 1, estado, [&](const Camino &camino) {
        if (!base.EsPregunta(camino.back()))
            objetos.push_back({camino.back(), camino});
    });
    for (int k = 1; base.Existe(k); ++k)
        if (!estado[k] && !base.EsPregunta(k))
            objetos.push_back({k, {}});
    return objetos;
}

QString ConLinea(const BaseConocimiento &base, int linea)
{
    return QStringLiteral("%1 (línea %2)\n").arg(EnUnaLinea(base.Texto(linea))).arg(linea);
}

} // namespace

QString ListaDeObjetos(const BaseConocimiento &base)
{
    std::vector<Objeto> objetos = Objetos(base);
    QCollator orden(QLocale(QLocale::Spanish, QLocale::Spain));
    orden.setCaseSensitivity(Qt::CaseInsensitive);
    // Reached first, each group in dictionary order, and the line number between equal texts.
    std::sort(objetos.begin(), objetos.end(), [&](const Objeto &a, const Objeto &b) {
        if (a.camino.empty() != b.camino.empty())
            return b.camino.empty();
        const int comparado = orden.compare(base.Texto(a.linea), base.Texto(b.linea));
        return comparado != 0 ? comparado < 0 : a.linea < b.linea;
    });
    QString salida;
    bool alcanzados = true;
    for (const Objeto &objeto : objetos) {
        if (alcanzados && objeto.camino.empty()) {
            alcanzados = false;
            salida += QStringLiteral("\nObjetos a los que no se llega desde la línea 1:\n");
        }
        salida += ConLinea(base, objeto.linea);
    }
    return salida;
}

QString BuscarObjetos(const BaseConocimiento &base, const QString &texto)
{
    const QString buscado = Plegado(texto);
    QStringList encontrados;
    for (const Objeto &objeto : Objetos(base)) {
        if (!Plegado(base.Texto(objeto.linea)).contains(buscado))
            continue;
        QString encontrado = ConLinea(base, objeto.linea);
        if (objeto.camino.empty())
            encontrado += QStringLiteral("  (no se llega a él desde la línea 1)\n");
        for (size_t i = 0; i + 1 < objeto.camino.size(); ++i) {
            const int pregunta = objeto.camino[i];
            const bool si = base.Enlace(pregunta, true) == objeto.camino[i + 1];
            encontrado += QStringLiteral("  %1 → %2\n").arg(EnUnaLinea(base.Texto(pregunta)), si ? "Sí" : "No");
        }
        encontrados << encontrado;
    }
    return encontrados.join(QLatin1Char('\n'));
}
