#pragma once

#include "commands/historia.h"
#include "edit/edicion.h"
#include "game/juego.h"
#include "kb/escritortvo.h"
#include "recuperacion/recuperacion.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

// The document: its file and whether it holds changes that were not written to it.
struct Documento {
    QString RutaApp;
    QString NomArch;
    QString RutaArch;
    // Commands that would discard a changed document ask first.
    bool Modificado = false;
    // No file of the user's choosing yet: "Guardar" then behaves as "Guardar como...".
    bool EsArchivoNuevo = false;
    // Whether the file chosen in Save As could be opened for reading, that is, already exists.
    bool ArchExiste = false;
};

// The model of the main window: the knowledge base and its document, the game, the text boxes and the five
// document commands with their questions. It decides everything; a window only shows it and hands it the
// user's clicks, keys and focus changes. Each change is signalled at once.
class ModeloElTarvo : public QObject
{
    Q_OBJECT
public:
    ModeloElTarvo(Plataforma &plataforma, Recuperacion &recuperacion);

    const BaseConocimiento &Base() const { return base; }
    const Documento &Doc() const { return doc; }
    const Juego &ElJuego() const { return juego; }
    // The text boxes and the browser, whose operations the window calls as the user types and moves on.
    Edicion &Cajas() { return edicion; }
    const Edicion &Cajas() const { return edicion; }
    // The window caption and the file label.
    const QString &Titulo() const { return titulo; }
    const QString &EtiquetaArchivo() const { return etiquetaArchivo; }
    // The bytes of the file on view, in consecutive pieces.
    const QList<QByteArray> &Vista() const { return vista; }
    // The user chose to end the program.
    bool Terminando() const { return terminando; }

    // The window's load event.
    void Form_Load();
    // Once the window is up: offers the work of programs that ended without saving, then opens the file named
    // on the command line.
    void Arrancar(const std::optional<QString> &archivo);

    void Jugar() { juego.Jugar(); }
    void Responder(bool respuestaSi);
    void Parar() { juego.Parar(); }
    void Abrir();
    // Opens the file as "Abrir..." does once the file is chosen, without asking about the document on view:
    // a file named on the command line.
    void AbrirArchivo(const QString &ruta);
    void Guardar();
    void GuardarComo();
    void Nuevo();
    // "Salir" and every request to close the main window: asks before a changed document is dropped.
    void Salir();

    // The mends and the history, out of play only: each does nothing in a game or a learning step.
    bool FueraDeJuego() const { return juego.FaseActual() == Fase::FueraDeJuego; }
    const Historia &LaHistoria() const { return historia; }
    bool PuedeCambiarSiNo(int linea) const;
    bool PuedeQuitarObjeto(int linea) const;
    void CambiarSiNo(int linea);
    void QuitarObjeto(int linea);
    void Deshacer();
    void Rehacer();

signals:
    void NombreCambiado();
    void VistaCambiada();
    // The knowledge base changed: a step, a stored text, a mend, an undo, an open or a new document.
    void BaseCambiada();

private:
    enum class TrasError { Reintentar, Omitir, Terminar };

    void IniciarArchivoNuevo();
    void MostrarNombreArchivo();
    void MostrarArchivoEnVisor();
    void MostrarBytes(const QList<QByteArray> &bytes);
    // Empties the lines and shows line 1, as a new document and Open both do.
    void BorrarLineas();
    void BorrarDatos();
    void MostrarDatosCargados();
    // Reads RutaArch into the knowledge base step by step; the file's bytes as read. completo turns false when
    // the user chose to ignore a failed step.
    QByteArray LeerArchivo(bool &completo);
    // Writes the knowledge base to RutaArch until it succeeds or the user gives up; true when it was written,
    // and then the view shows it.
    bool EscribirArchivo();
    // "¿Continuar?" about a failed step of a command; Abort ends the program at once.
    TrasError PreguntarContinuar(const QString &comando, int error);
    // Before Open or New discard the document: the save question, and the save on Yes. False to stop.
    bool GuardarAntesDeDescartar();
    Plataforma::Respuesta PreguntarGuardarActual();
    std::optional<QString> ElegirArchivoTvo(Plataforma::Dialogo dialogo, const QString &titulo);
    void TerminarPrograma();
    // After every change to the base: the history notes it, the document changed, and the recovery copy keeps it.
    void AnotarCambio(Historia::Cambio cambio);
    void GuardarCopia();
    // The base as a step of the history left it.
    void MostrarBaseDeHistoria();
    // A base just opened, created or restored starts the history; it is saved unless the document is changed.
    void EmpezarHistoria();
    // Asks about each copy left behind, newest first; true when one was restored.
    bool OfrecerCopias();
    void Restaurar(Recuperacion::Copia &&copia);

    Plataforma &plataforma;
    Recuperacion &recuperacion;
    BaseConocimiento base;
    Documento doc;
    Juego juego;
    Edicion edicion;
    Historia historia;
    // The records of the last save, so that the next one encodes only the lines changed since.
    CodificadorTvo codificador;
    QString titulo = QStringLiteral("El Tarvo");
    QString etiquetaArchivo = QStringLiteral("(Nombre del archivo TVO)");
    QList<QByteArray> vista;
    bool terminando = false;
    // A copy that cannot be written is told once a run.
    bool copiaFallida = false;
};
