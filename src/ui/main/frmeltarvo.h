#pragma once

#include "commands/modelo.h"

#include <QPointer>
#include <QWidget>

class BotonGrafico;
class CajaRegistro;
class CajaTexto;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class VisorArchivo;
class frmArbol;
class frmAyuda;
class frmVocab;

// The main window: it builds the controls, shows the model after every change, and hands the model the user's
// clicks, keys and focus changes. It decides nothing itself.
class frmElTarvo : public QWidget
{
    Q_OBJECT
public:
    explicit frmElTarvo(ModeloElTarvo &modelo, QWidget *padre = nullptr);
    // The help and vocabulary windows end with the main window.
    ~frmElTarvo() override;

protected:
    // The close box, Alt+F4 and the window system ask as "Salir" does; the window closes only when the model ends.
    void closeEvent(QCloseEvent *evento) override;

private:
    struct Dibujos;
    // Button handlers.
    void cmdJugar_Click() { modelo.Jugar(); }
    void cmdSi_Click() { modelo.Responder(true); }
    void cmdNo_Click() { modelo.Responder(false); }
    void cmdParar_Click() { modelo.Parar(); }
    void cmdTvoDeDisco_Click() { modelo.Abrir(); }
    void cmdGuardar_Click() { modelo.Guardar(); }
    void cmdGuardarComo_Click() { modelo.GuardarComo(); }
    void cmdCrearArchTvo_Click() { modelo.Nuevo(); }
    void cmdSalir_Click() { modelo.Salir(); }
    void cmdArrFirst_Click() { modelo.Cajas().IrAPrimera(); }
    void cmdArrIzq_Click() { modelo.Cajas().IrAAnterior(); }
    void cmdArrDer_Click() { modelo.Cajas().IrASiguiente(); }
    void cmdArrLast_Click() { modelo.Cajas().IrAUltima(); }
    void cmdAyuda_Click();
    void cmdVocab_Click();
    void cmdArbol_Click();
    // Alt+←: the last answer of a game taken back.
    void Volver_KeyPress() { modelo.Volver(); }
    // The five text boxes: a typed character, and the box left for another control.
    void Caja_KeyPress(Caja caja, int &KeyAscii) { modelo.Cajas().Tecla(caja, KeyAscii); }
    void Caja_LostFocus(Caja caja);
    // The line-number box.
    void txtRegistro_KeyPress(int KeyAscii) { modelo.Cajas().TeclaRegistro(KeyAscii); }
    void txtRegistro_Validate() { modelo.Cajas().Validar(); }
    void txtRegistro_GotFocus();
    void txtRegistro_Click() { txtRegistro_GotFocus(); }

    // Runs the leave step of the box that still holds the focus, before a button acts; false when the box
    // refused its text.
    bool CompletarEdicion();
    // Runs a focus-leave handler unless the focus is only being given back to a box that refused its text.
    template <typename Manejador> void AlSalir(Manejador manejador);

    // What the model holds, on screen.
    void MostrarTexto(Caja caja);
    void MostrarFondo(Caja caja);
    void MostrarFila();
    void MostrarControles();
    void MostrarCuenta();
    void MostrarNombre();
    void MostrarVista();
    void MostrarTodo();

    // Construction.
    void CrearColumnaIzquierda();
    void CrearColumnaCentral(const Dibujos &dibujos);
    void CrearColumnaDerecha(const Dibujos &dibujos);
    void OrdenarTabulacion();
    void ConectarEventos();
    void NombrarParaLectoresDePantalla();
    CajaTexto *CajaDe(Caja caja) const;

    ModeloElTarvo &modelo;

    // Left column: the step's two objects, the question, the object count and the first header string.
    QGroupBox *fraObjeto1;
    CajaTexto *txtObjeto1;
    QGroupBox *fraObjeto2;
    CajaTexto *txtObjeto2;
    QGroupBox *fraPreguntaUsr;
    CajaTexto *txtPreguntaUsr;
    QLabel *lblTituloTvo;
    CajaTexto *txtTipoObjeto;
    // Centre column: the file view, the line row, the play buttons and the second header string.
    VisorArchivo *RichTextBox1;
    QPushButton *cmdArrFirst;
    QPushButton *cmdArrIzq;
    QLabel *lblL;
    CajaRegistro *txtRegistro;
    QLineEdit *txtValorSi;
    QLineEdit *txtValorNo;
    QPushButton *cmdArrDer;
    QPushButton *cmdArrLast;
    QPushButton *cmdSi;
    QLabel *lblNoComillas;
    QLabel *lblHelp;
    QPushButton *cmdNo;
    BotonGrafico *cmdJugar;
    BotonGrafico *cmdParar;
    BotonGrafico *cmdAyuda;
    BotonGrafico *cmdVocab;
    QPushButton *cmdArbol;
    BotonGrafico *cmdSalir;
    QLabel *lblNomArchTvo;
    QLabel *Label1;
    CajaTexto *txtCarac;
    // Right column: the file commands.
    BotonGrafico *cmdCrearArchTvo;
    BotonGrafico *cmdTvoDeDisco;
    QGroupBox *fraGuardar;
    BotonGrafico *cmdGuardar;
    BotonGrafico *cmdGuardarComo;

    // Set while the model's text is put into a box, which is no edit of the user's.
    bool mostrando = false;
    bool devolviendoFoco = false;
    // Each exists at most once, from its first opening until it is closed.
    QPointer<frmAyuda> ventanaAyuda;
    QPointer<frmVocab> ventanaVocab;
    QPointer<frmArbol> ventanaArbol;
};
