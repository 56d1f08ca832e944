#pragma once

#include "kb/baseconocimiento.h"

#include <QAbstractItemModel>
#include <QList>

#include <array>
#include <vector>

// The tree of a knowledge base from line 1 as an item model of two columns, the row's text and its line. Under a
// question come its Sí and its No branch; a link to a line shown before (a cycle, a second parent) or to no line is
// a leaf. The lines that line 1 does not reach follow under a last top-level row "Sin enlazar". A row shows its text
// on one line, line breaks as " / ", and the first 200 characters of a longer one. The base is owned elsewhere and
// changes in place: its owner calls Reconstruir() after every change of its lines or links, TextoCambiado() after a
// change of one line's text.
class ModeloArbol : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Rol {
        LineaRol = Qt::UserRole, // int: the row's line, the line a link leads to, 0 for "Sin enlazar"
        ClaseRol,                // int: a Clase, so that a view can offer only the mends that apply
        MarcaRol,                // int: a Marca, which the view styles (the model stays free of fonts and colours)
    };
    enum Clase { Objeto, Pregunta, Enlace, SinEnlazar };
    enum Marca { SinMarca, EnCamino, Actual };

    explicit ModeloArbol(const BaseConocimiento &base, QObject *parent = nullptr);

    // Builds every row again from the base, as a model reset.
    void Reconstruir();
    // Only the text of a line changed: its row shows it.
    void TextoCambiado(int linea);
    // The lines from line 1 to the current line of a game in play, empty out of play: the row where each is shown
    // expanded is marked EnCamino, the last one's Actual. Only the rows whose mark changes are signalled.
    void PonerCamino(const QList<int> &lineas);
    // The row (column 0) where the line is shown expanded; invalid when it is not shown.
    QModelIndex IndiceDeLinea(int linea) const;
    // The rows (column 0) of objects and questions whose text holds `texto`, ignoring case and accents, top to
    // bottom as the tree shows them; none for an empty text.
    QModelIndexList Buscar(const QString &texto) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    enum class Rama : char { Ninguna, Si, No };
    struct Nodo {
        int padre; // -1 at the top level
        int fila;
        std::vector<int> hijos;
        int linea;
        Rama rama;
        Clase clase;
        QString texto; // as the row shows it, without the branch's "Sí: " or "No: "
    };

    int Agregar(int padre, Rama rama, Clase clase, int linea, const QString &texto);
    void Recorrer(int desde, int padre, std::vector<char> &estado);
    int NodoDeLinea(int linea) const;
    QModelIndex Indice(int nodo, int columna = 0) const;
    std::vector<char> Marcas() const;

    const BaseConocimiento &base;
    // In the order of the rows top to bottom: a node comes before its children.
    std::vector<Nodo> nodos;
    std::vector<int> superiores;
    std::array<int, BaseConocimiento::MaxLineas + 1> nodoDeLinea{};
    QList<int> camino;
    std::vector<char> marcas;
};
