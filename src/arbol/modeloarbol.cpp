#include "modeloarbol.h"

#include "kb/recorrido.h"
#include "texto/plegado.h"

#include <string>

namespace {

// A text as a row shows it: on one line, each line break (CR LF, CR or LF) as " / ", and only its start when it is
// long. The toolkit lays out the whole of a text to size and draw a row, milliseconds for 32766 characters.
QString TextoDeFila(const QString &texto)
{
    constexpr qsizetype Visibles = 200;
    // One more than is shown tells whether a cut is due; a short text without breaks stays shared with the base.
    QString fila = texto.left(Visibles + 1);
    if (fila.contains(u'\r') || fila.contains(u'\n'))
        fila.replace(QLatin1String("\r\n"), QLatin1String("\n"))
            .replace(u'\r', u'\n')
            .replace(QLatin1String("\n"), QLatin1String(" / "));
    if (fila.size() > Visibles) {
        fila.truncate(fila.at(Visibles - 1).isHighSurrogate() ? Visibles - 1 : Visibles);
        fila += u'…';
    }
    return fila;
}

} // namespace

ModeloArbol::ModeloArbol(const BaseConocimiento &base, QObject *parent) : QAbstractItemModel(parent), base(base)
{
    Reconstruir();
}

void ModeloArbol::Reconstruir()
{
    beginResetModel();
    nodos.clear();
    superiores.clear();
    nodoDeLinea.fill(-1);
    std::vector<char> estado(BaseConocimiento::MaxLineas + 1);
    Recorrer(1, -1, estado);
    int sinEnlazar = -1;
    for (int k = 1; base.Existe(k); ++k) {
        if (estado[k])
            continue;
        if (sinEnlazar < 0)
            sinEnlazar = Agregar(-1, Rama::Ninguna, SinEnlazar, 0, QStringLiteral("Sin enlazar"));
        Recorrer(k, sinEnlazar, estado);
    }
    marcas = Marcas();
    endResetModel();
}

void ModeloArbol::TextoCambiado(int linea)
{
    const int nodo = NodoDeLinea(linea);
    if (nodo < 0)
        return;
    nodos[nodo].texto = TextoDeFila(base.Texto(linea));
    emit dataChanged(Indice(nodo), Indice(nodo));
}

int ModeloArbol::Agregar(int padre, Rama rama, Clase clase, int linea, const QString &texto)
{
    const int nodo = static_cast<int>(nodos.size());
    nodos.push_back({padre, 0, {}, linea, rama, clase, texto});
    // Taken after the push, which may move the nodes.
    std::vector<int> &hermanos = padre < 0 ? superiores : nodos[padre].hijos;
    nodos.back().fila = static_cast<int>(hermanos.size());
    hermanos.push_back(nodo);
    return nodo;
}

// The rows of the lines that a walk from `desde` enters, under `padre`; a line that the walk enters is shown there
// expanded, and every other link is a leaf.
void ModeloArbol::Recorrer(int desde, int padre, std::vector<char> &estado)
{
    std::vector<int> nodosDelCamino;
    Rama rama = Rama::Ninguna;
    RecorrerArbol(
        base, desde, estado,
        [&](const Camino &camino) {
            const int linea = camino.back();
            const int arriba = camino.size() == 1 ? padre : nodosDelCamino[camino.size() - 2];
            nodosDelCamino.resize(camino.size() - 1);
            nodosDelCamino.push_back(Agregar(arriba, camino.size() == 1 ? Rama::Ninguna : rama,
                                             base.EsPregunta(linea) ? Pregunta : Objeto, linea,
                                             TextoDeFila(base.Texto(linea))));
            nodoDeLinea[linea] = nodosDelCamino.back();
        },
        [&](const Camino &camino, bool si, int destino, TipoDeEnlace tipo) {
            rama = si ? Rama::Si : Rama::No;
            if (tipo == TipoDeEnlace::Nuevo)
                return;
            QString texto = QStringLiteral("→ línea %1").arg(destino);
            if (tipo == TipoDeEnlace::Inexistente)
                texto += QStringLiteral(" (no existe)");
            Agregar(nodosDelCamino[camino.size() - 1], rama, Enlace, destino, texto);
        });
}

int ModeloArbol::NodoDeLinea(int linea) const
{
    return BaseConocimiento::LineaUsable(linea) ? nodoDeLinea[linea] : -1;
}

QModelIndex ModeloArbol::Indice(int nodo, int columna) const
{
    return createIndex(nodos[nodo].fila, columna, static_cast<quintptr>(nodo));
}

// The mark of every node for the path: the last line's row is Actual, the others' on it EnCamino.
std::vector<char> ModeloArbol::Marcas() const
{
    std::vector<char> nuevas(nodos.size(), SinMarca);
    for (qsizetype i = 0; i < camino.size(); ++i) {
        const int nodo = NodoDeLinea(camino[i]);
        if (nodo >= 0)
            nuevas[nodo] = i + 1 == camino.size() ? Actual : EnCamino;
    }
    return nuevas;
}

void ModeloArbol::PonerCamino(const QList<int> &lineas)
{
    camino = lineas;
    const std::vector<char> nuevas = Marcas();
    for (size_t nodo = 0; nodo < nodos.size(); ++nodo) {
        if (nuevas[nodo] == marcas[nodo])
            continue;
        marcas[nodo] = nuevas[nodo];
        emit dataChanged(Indice(static_cast<int>(nodo)), Indice(static_cast<int>(nodo), 1), {MarcaRol});
    }
}

QModelIndex ModeloArbol::IndiceDeLinea(int linea) const
{
    const int nodo = NodoDeLinea(linea);
    return nodo < 0 ? QModelIndex() : Indice(nodo);
}

QModelIndexList ModeloArbol::Buscar(const QString &texto) const
{
    QModelIndexList encontrados;
    const QString buscado = Plegado(texto);
    if (buscado.isEmpty())
        return encontrados;
    for (size_t nodo = 0; nodo < nodos.size(); ++nodo) {
        const Clase clase = nodos[nodo].clase;
        if ((clase == Objeto || clase == Pregunta) && Plegado(base.Texto(nodos[nodo].linea)).contains(buscado))
            encontrados << Indice(static_cast<int>(nodo));
    }
    return encontrados;
}

QModelIndex ModeloArbol::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    const std::vector<int> &filas = parent.isValid() ? nodos[parent.internalId()].hijos : superiores;
    return Indice(filas[row], column);
}

QModelIndex ModeloArbol::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    const int padre = nodos[child.internalId()].padre;
    return padre < 0 ? QModelIndex() : Indice(padre);
}

int ModeloArbol::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return static_cast<int>(superiores.size());
    return parent.column() == 0 ? static_cast<int>(nodos[parent.internalId()].hijos.size()) : 0;
}

int ModeloArbol::columnCount(const QModelIndex &) const
{
    return 2;
}

QVariant ModeloArbol::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Nodo &nodo = nodos[index.internalId()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (index.column() == 1)
            return nodo.clase == SinEnlazar ? QVariant() : QVariant(nodo.linea);
        if (nodo.rama == Rama::Ninguna)
            return nodo.texto;
        return (nodo.rama == Rama::Si ? QStringLiteral("Sí: ") : QStringLiteral("No: ")) + nodo.texto;
    case LineaRol:
        return nodo.linea;
    case ClaseRol:
        return nodo.clase;
    case MarcaRol:
        return static_cast<int>(marcas[index.internalId()]);
    default:
        return {};
    }
}

QVariant ModeloArbol::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractItemModel::headerData(section, orientation, role);
    return section == 0 ? QStringLiteral("Texto") : QStringLiteral("Línea");
}
