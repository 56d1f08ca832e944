#pragma once

#include "kb/baseconocimiento.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

// The changes to the knowledge base since it was opened or created, undone and redone in order. A learning step
// and a text stored from a box change the base before they reach the history, which notes them; the two mends
// are made through it. Each step puts the base exactly as it was: a save then writes the same bytes.
class Historia : public QObject
{
    Q_OBJECT
public:
    enum class Cambio { PasoAprendido, TextoAlmacenado };

    // mostrar puts the base on view after an undo, a redo or a mend.
    Historia(BaseConocimiento &base, std::function<void()> mostrar);
    ~Historia() override;

    // A base just opened, created or restored: nothing to undo. guardada tells whether it is as its file holds it.
    void Empezar(bool guardada);
    void Anotar(Cambio cambio);
    void CambiarSiNo(int linea);
    void QuitarObjeto(int linea);
    void Deshacer() { pila.undo(); }
    void Rehacer() { pila.redo(); }
    bool PuedeDeshacer() const { return pila.canUndo(); }
    bool PuedeRehacer() const { return pila.canRedo(); }
    // The state that the file holds: after a save, or as opened.
    void MarcarGuardada() { pila.setClean(); }
    // The document now names another file, which holds none of these states.
    void OlvidarGuardada() { pila.resetClean(); }
    bool Guardada() const { return pila.isClean(); }

signals:
    void Cambiada();

private:
    friend class CambioDeBase;
    QUndoStack pila;
    BaseConocimiento &base;
    std::function<void()> mostrar;
    // The base as the last step left it: what a change noted now started from.
    BaseConocimiento anterior;
    bool anotando = false;
};
