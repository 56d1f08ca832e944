#pragma once

#include "arbol/modeloarbol.h"
#include "commands/modelo.h"

#include <QKeySequence>
#include <QWidget>

#include <functional>

class QActionGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeView;

// Alt+←, in the tree window as in the main window: the last answer of a game taken back.
inline const QKeySequence AtajoVolver{Qt::ALT | Qt::Key_Left};

// The whole knowledge base as a tree: find, jump to a line, mend and undo. It shows the model and hands it the
// user's choices; the tree follows every change of the base at once.
class frmArbol : public QWidget
{
    Q_OBJECT
public:
    // completarEdicion runs the leave step of the main window's box that holds its focus, as a click there would:
    // false when the box refused its text. Every action of this window first completes the edit.
    frmArbol(ModeloElTarvo &modelo, std::function<bool()> completarEdicion);

    QTreeView *arbol;
    QLineEdit *txtBuscar;
    QLabel *lblCoincidencias;
    QPushButton *cmdCambiarSiNo;
    QPushButton *cmdQuitarObjeto;
    // In a game: back to the question chosen on its path.
    QPushButton *cmdVolver;
    // The history's own actions, named after the change they undo or redo.
    QToolButton *cmdDeshacer;
    QToolButton *cmdRehacer;

private:
    // The line of the selected row; 0 when none is selected.
    int LineaElegida() const;
    void MostrarTitulo();
    // After a change of the lines or links: rows again, with the lines that were expanded as they were, and the row
    // of `elegir` selected, or the line selected before when it is 0.
    void Reconstruir(int elegir = 0);
    // Another base in place of the one on view: its line 1 chosen, no search.
    void Reemplazada();
    void MostrarTexto(int linea);
    // An action of the history, which first completes the main window's edit and acts only when the model allows.
    QToolButton *CrearBotonDeHistoria(QAction *accion, const char *nombre, std::function<void()> orden);
    void MostrarCamino();
    void MostrarBotones();
    // A row chosen out of play shows its line in the main window, as typing its number into the line box does.
    void IrALineaElegida();
    void BuscarSiguiente();

    ModeloElTarvo &modelo;
    std::function<bool()> completarEdicion;
    ModeloArbol modeloArbol;
    QActionGroup *historia;
    bool reconstruyendo = false;
};
