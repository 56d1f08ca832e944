#pragma once

#include "kb/aprendizaje.h"
#include "kb/baseconocimiento.h"
#include "kb/escritortvo.h"
#include "plataforma/plataforma.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <utility>

class BotonGrafico;
class CajaRegistro;
class CajaTexto;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class VisorArchivo;
class frmAyuda;
class frmVocab;

// The main window: the whole working surface of the game. Its members are the program's event handlers and
// the few procedures they share; each is defined in the folder of its subsystem.
class frmElTarvo : public QWidget
{
    Q_OBJECT
public:
    explicit frmElTarvo(Plataforma &plataforma, QWidget *padre = nullptr);
    // The help and vocabulary windows end with the main window.
    ~frmElTarvo() override;

    // --- Controls (each one's objectName is its member name) ---
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

    // --- Document state ---
    BaseConocimiento Base;
    QString RutaApp;
    QString NomArch;
    QString RutaArch;
    qint16 LineaActual = 1;
    bool Modificado = false;
    bool ModoAprender = false;
    bool EsArchivoNuevo = false;
    // Whether the file chosen in Save As could be opened for reading, that is, already exists.
    bool ArchExiste = false;

    // --- Start-up and new document (ui/main/inicio.cpp) ---
    void Form_Load();
    void IniciarArchivoNuevo();
    void MostrarNombreArchivo();
    // The two sets of enabled controls: a game in play or a learning step, and out of play.
    void ControlesEnJuego();
    void ControlesFueraDeJuego();
    // Line n in the line row and its text in the question box.
    void MostrarLinea(qint16 n);
    void MostrarArchivoEnVisor();

    // --- Play (game/jugar.cpp) ---
    void cmdJugar_Click();
    // Si and No answer the line shown during a game, and make the learning step in learning mode.
    void cmdSi_Click();
    void cmdNo_Click();
    void cmdParar_Click();
    // The text of LineaActual in the question box, light yellow for a question and light red for a guess.
    void MostrarTextoLinea();

    // --- Learn (game/aprender.cpp) ---
    // The half of the learning step that Si and No share: the two new objects, the count, out of play.
    void ComunSiNo1();

    // --- Commands (commands/) ---
    void cmdTvoDeDisco_Click();
    void cmdGuardar_Click();
    void cmdGuardarComo_Click();
    void cmdSalir_Click();
    void cmdCrearArchTvo_Click();
    // Open: the knowledge base cleared before reading, and what was read shown afterwards.
    void BorrarDatos();
    void MostrarDatosCargados();

    // --- Help and vocabulary (ui/ayuda/abrir_ventanas.cpp) ---
    void cmdAyuda_Click();
    void cmdVocab_Click();

    // --- Text fields (edit/campos_texto.cpp) ---
    // A typed double quote becomes an apostrophe; typing into the header boxes, and into the question box out
    // of play, marks the document as changed.
    void txtTipoObjeto_KeyPress(int &KeyAscii);
    void txtCarac_KeyPress(int &KeyAscii);
    void txtObjeto1_KeyPress(int &KeyAscii);
    void txtObjeto2_KeyPress(int &KeyAscii);
    void txtPreguntaUsr_KeyPress(int &KeyAscii);
    // Leaving a box cuts its text to 32766 characters and, unless it holds a double quote, commits it.
    void txtTipoObjeto_LostFocus();
    void txtCarac_LostFocus();
    void txtObjeto1_LostFocus();
    void txtObjeto2_LostFocus();
    void txtPreguntaUsr_LostFocus();

    // --- Browser (edit/navegador.cpp) ---
    void txtRegistro_KeyPress(int KeyAscii);
    // Shows the line whose number the box holds, or puts the current number back.
    void txtRegistro_Validate();
    void txtRegistro_GotFocus();
    void txtRegistro_Click();
    void cmdArrFirst_Click();
    void cmdArrIzq_Click();
    void cmdArrDer_Click();
    void cmdArrLast_Click();

private:
    // --- Play and learn, private steps ---
    void ResponderEnJuego(bool respuestaSi);
    void TerminarPorEnlaceIncorrecto(qint16 destino);
    void EntrarModoAprender();
    void PasoAprender(bool respuestaSi);
    void AvisarImpedimento(ImpedimentoAprender impedimento);

    // --- Commands, private steps ---
    enum class TrasError { Reintentar, Omitir, Terminar };
    // "¿Continuar?" about a failed step of a command; Abort ends the program at once.
    TrasError PreguntarContinuar(const QString &comando, int error);
    // Writes the knowledge base to RutaArch until it succeeds or the user gives up; true when it was written,
    // and then the viewer shows it.
    bool EscribirArchivo();
    Plataforma::Respuesta PreguntarGuardarActual();
    // Before Open or New discard the document: the save question, and the save on Yes. False to stop.
    bool GuardarAntesDeDescartar();
    std::optional<QString> ElegirArchivoTvo(Plataforma::Dialogo dialogo, const QString &titulo);
    // Reads RutaArch into the knowledge base step by step; the file's bytes as read.
    QByteArray LeerArchivo();
    // Empties the lines and shows line 1, as a new document and Open both do.
    void BorrarLineas();

    // --- Text fields and browser, private steps ---
    // Shows the box's "Quite las comillas" message when its text holds a double quote; true when it did.
    bool AvisarComillas(const CajaTexto *caja);
    // The common part of the leave handlers: true when the box's text, cut to 32766 characters, may be
    // committed; otherwise the message was shown and the focus is back in the box.
    bool AceptarTextoAlSalir(CajaTexto *caja);
    // Runs a focus-leave handler unless the focus is only being given back to a box that refused its text.
    void AlSalir(void (frmElTarvo::*manejador)());
    // Stores a box's text into the document; a text that differs from the one stored marks it as changed.
    void Almacenar(QString &destino, const QString &texto);
    void BotonNavegador(qint16 linea);

    // --- Construction (ui/main/frmeltarvo.cpp) ---
    void CrearColumnaIzquierda();
    void CrearColumnaCentral();
    void CrearColumnaDerecha();
    void OrdenarTabulacion();
    void ConectarEventos();
    using ManejadoresCaja = std::pair<void (frmElTarvo::*)(int &), void (frmElTarvo::*)()>;
    // The key and leave handlers of each of the five text boxes.
    std::array<std::pair<CajaTexto *, ManejadoresCaja>, 5> ManejadoresDeCajas();
    // Runs the leave step of the box that still holds the focus, before a command acts on the document; false
    // when the box refused its text.
    bool CompletarEdicion();
    void NombrarParaLectoresDePantalla();

    Plataforma &plataforma;
    // The records of the last save, so that the next one encodes only the lines changed since.
    CodificadorTvo codificador;
    // Set when the user chose to end the program: every command stops where it stands.
    bool terminando = false;
    bool devolviendoFoco = false;
    // Set by a leave step that refused the box's text.
    bool edicionRechazada = false;
    // Each exists at most once, from its first opening until it is closed.
    QPointer<frmAyuda> ventanaAyuda;
    QPointer<frmVocab> ventanaVocab;
};
