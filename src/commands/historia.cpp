#include "historia.h"

#include "kb/enmiendas.h"

#include <QScopedValueRollback>
#include <QUndoCommand>

// A step of the history: the base before and after it.
class CambioDeBase : public QUndoCommand
{
public:
    CambioDeBase(Historia &historia, const QString &nombre)
        : QUndoCommand(nombre), historia(historia), antes(historia.anterior)
    {
    }

    void undo() override { Poner(antes); }
    void redo() override
    {
        if (hecho) {
            Poner(despues);
            return;
        }
        hecho = true;
        Hacer(historia.base);
        despues = historia.base;
        historia.anterior = despues;
    }

protected:
    // The change itself, the first time it is done.
    virtual void Hacer(BaseConocimiento &base) = 0;

private:
    void Poner(const BaseConocimiento &estado)
    {
        historia.base = estado;
        historia.anterior = estado;
    }

    Historia &historia;
    BaseConocimiento antes;
    BaseConocimiento despues;
    bool hecho = false;
};

namespace {

// A change already made in the base when it is noted.
class CambioYaHecho : public CambioDeBase
{
public:
    using CambioDeBase::CambioDeBase;

protected:
    void Hacer(BaseConocimiento &) override {}
};

class PasoAprendido : public CambioYaHecho
{
public:
    explicit PasoAprendido(Historia &historia) : CambioYaHecho(historia, QStringLiteral("Aprender un objeto")) {}
};

class TextoAlmacenado : public CambioYaHecho
{
public:
    explicit TextoAlmacenado(Historia &historia) : CambioYaHecho(historia, QStringLiteral("Cambiar un texto")) {}
};

class CambioSiNo : public CambioDeBase
{
public:
    CambioSiNo(Historia &historia, int linea) : CambioDeBase(historia, QStringLiteral("Cambiar Sí/No")), linea(linea) {}

protected:
    void Hacer(BaseConocimiento &base) override { IntercambiarSiNo(base, linea); }

private:
    int linea;
};

class QuitaObjeto : public CambioDeBase
{
public:
    QuitaObjeto(Historia &historia, int linea) : CambioDeBase(historia, QStringLiteral("Quitar objeto")), linea(linea)
    {
    }

protected:
    void Hacer(BaseConocimiento &base) override { ::QuitarObjeto(base, linea); }

private:
    int linea;
};

} // namespace

Historia::Historia(BaseConocimiento &base, std::function<void()> mostrar) : base(base), mostrar(std::move(mostrar))
{
    for (auto senal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged, &QUndoStack::cleanChanged})
        connect(&pila, senal, this, &Historia::Cambiada);
    // Shown once the stack stands at the new step, so that Guardada() already tells about it. A change noted
    // after it happened was shown as it happened.
    connect(&pila, &QUndoStack::indexChanged, this, [this] {
        if (!anotando)
            this->mostrar();
    });
}

Historia::~Historia()
{
    // The stack empties itself as it goes, when what it would show is gone.
    disconnect(&pila, nullptr, this, nullptr);
}

void Historia::Empezar(bool guardada)
{
    {
        // A base just put on view.
        QScopedValueRollback<bool> nota(anotando, true);
        pila.clear();
    }
    anterior = base;
    // An empty stack keeps the clean state it had: it is set here either way.
    if (guardada)
        pila.setClean();
    else
        pila.resetClean();
    emit Cambiada();
}

void Historia::Anotar(Cambio cambio)
{
    QScopedValueRollback<bool> nota(anotando, true);
    if (cambio == Cambio::PasoAprendido)
        pila.push(new PasoAprendido(*this));
    else
        pila.push(new TextoAlmacenado(*this));
}

void Historia::CambiarSiNo(int linea)
{
    if (PuedeIntercambiarse(base, linea))
        pila.push(new CambioSiNo(*this, linea));
}

void Historia::QuitarObjeto(int linea)
{
    if (ComprobarQuitar(base, linea) == ImpedimentoQuitar::Ninguno)
        pila.push(new QuitaObjeto(*this, linea));
}
