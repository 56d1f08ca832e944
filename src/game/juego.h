#pragma once

#include "documento/documento.h"
#include "kb/aprendizaje.h"
#include "plataforma/plataforma.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

// The main window's free-text boxes: the three of a game step, then the two header boxes.
enum class Caja { Objeto1, Objeto2, Pregunta, TipoObjeto, Carac };

// Where the game stands; the enabled controls follow from it alone.
enum class Fase {
    FueraDeJuego, // out of play: "Jugar", the file commands and the browser are usable
    Jugando,      // from "Jugar" until the guess is answered
    Aprendiendo,  // the next Si or No stores a new object
    BaseLlena,    // a wrong guess in a full base: held until Si confirms the guess
};

// What the background of a game box tells the user.
enum class Fondo {
    Pregunta,  // the question, and the object box the answer refers to (light yellow)
    Otro,      // the other object box (white)
    Adivinado, // the program's guess (light red)
    Acertado,  // a guess confirmed with Si (light green)
};

// The controls that the game switches on and off. ControlesEnJuego and ControlesFueraDeJuego are the two
// sets; "Parar" is on only while a game is in play.
struct Controles {
    bool siNo;      // "&Si", "&No"
    bool jugar;     // "Jugar"
    bool parar;     // "Parar"
    bool archivo;   // "Nuevo", "Abrir...", "Guardar", "Guardar como..."
    bool navegador; // the line-number box (light magenta when on, light grey when off) and the four arrows
};
Controles ControlesDe(Fase fase);

// One line of the knowledge base as the line row shows it.
struct Fila {
    QString registro;
    QString valorSi;
    QString valorNo;
};

// A game down the decision tree and the learning step, and what the three game boxes, the line row and the
// object count show meanwhile. Every change is signalled at once, so that a window showing it is up to date
// whenever a message is shown.
class Juego : public QObject
{
    Q_OBJECT
public:
    Juego(Documento &documento, Plataforma &plataforma);

    Fase FaseActual() const { return fase; }
    bool ModoAprender() const { return fase == Fase::Aprendiendo; }
    // Out of play, or a new document waiting for its first lesson: no game or lesson is under way, and the base
    // may change under the boxes (a mend, an undo).
    bool PuedeCambiarBase() const { return fase == Fase::FueraDeJuego || (ModoAprender() && primeraLeccion); }
    qint16 LineaActual() const { return lineaActual; }
    // The lines of the game in play from line 1 to LineaActual, in the order the answers led to them.
    const QList<int> &Camino() const { return camino; }
    // The text of any of the five boxes; the background of Objeto1, Objeto2 or Pregunta (the header boxes have none).
    const QString &Texto(Caja caja) const { return textos[Indice(caja)]; }
    Fondo FondoDe(Caja caja) const { return fondos[Indice(caja)]; }
    const Fila &FilaMostrada() const { return fila; }
    // The caption of the object-count label.
    const QString &CuentaObjetos() const { return cuentaObjetos; }

    // "Jugar", Si, No and "Parar"; each does nothing while its button is disabled.
    void Jugar();
    void Responder(bool respuestaSi);
    void Parar();
    // Takes back the last answer of a game: the line shown before it is shown again as it was asked, and from the
    // lesson begun after a wrong guess, the guess is in play again. It never changes the base; where there is no
    // answer to take back (line 1, out of play, a confirmed guess, a new document's first lesson) it beeps.
    bool PuedeVolver() const;
    void Volver();

    // For the document commands: a new document, waiting in learning mode for its first lesson; out of play while
    // a file is read; a base just read, its header strings and line LineaActual on view in the colours of a game.
    void DocumentoNuevo();
    void DejarFueraDeJuego() { PonerFase(Fase::FueraDeJuego); }
    void BaseLeida();
    // A base changed in place while PuedeCambiarBase (a mend, an undo): its header strings, its count and a line still
    // in use; the empty base of a new document waits for its first lesson again.
    void BaseMendada();

    // For the text rules and the browser. LineaActual becomes n, shown in the line row and the question box.
    void IrALinea(qint16 n);
    void PonerTexto(Caja caja, const QString &texto);
    // What the user made of a box's text; the box already shows it.
    void TextoEditado(Caja caja, const QString &texto);
    void PonerRegistro(const QString &texto);
    void RegistroEditado(const QString &texto) { fila.registro = texto; }

signals:
    void TextoCambiado(Caja caja);
    void FondoCambiado(Caja caja);
    void FilaCambiada();
    void FaseCambiada();
    void CuentaCambiada();

private:
    static int Indice(Caja caja) { return static_cast<int>(caja); }
    void ResponderEnJuego(bool respuestaSi);
    // The text of LineaActual in the question box, light yellow for a question and light red for a guess.
    void MostrarTextoLinea();
    void EntrarModoAprender();
    void PasoAprender(bool respuestaSi);
    // The half of the learning step that Si and No share, once the document holds the lesson: the count, out of play.
    void ComunSiNo1();
    void AvisarImpedimento(ImpedimentoAprender impedimento);
    void TerminarPorEnlaceIncorrecto(qint16 destino);
    void PonerFase(Fase nueva);
    void PonerFondo(Caja caja, Fondo fondo);
    // The colours of a game in play: the question is about the object the user thinks of.
    void ColoresDeJuego();
    void PonerCuentaObjetos(const QString &texto);

    // Whether the base is the empty one of a document that has no file.
    bool BaseVacia() const;

    Documento &documento;
    const BaseConocimiento &base;
    Plataforma &plataforma;
    Fase fase = Fase::FueraDeJuego;
    // The learning mode of a new document, which no game began.
    bool primeraLeccion = false;
    // What the question box and Objeto 2 held, and the three backgrounds, before No began a lesson.
    struct Adivinanza {
        QString objeto2;
        QString pregunta;
        std::array<Fondo, 3> fondos;
    };
    Adivinanza antesDeAprender;
    qint16 lineaActual = 1;
    QList<int> camino;
    // One entry for each box, in the order of Caja.
    std::array<QString, 5> textos;
    std::array<Fondo, 5> fondos{Fondo::Otro, Fondo::Pregunta, Fondo::Pregunta, Fondo::Otro, Fondo::Otro};
    Fila fila;
    QString cuentaObjetos;
};
