#pragma once

#include "documento/documento.h"
#include "edit/edicion.h"
#include "game/juego.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

// The model of the main window: the knowledge base and its document, the game, the text boxes and the five
// document commands with their questions. It decides everything; a window only shows it and hands it the
// user's clicks, keys and focus changes. Each change is signalled at once.
class ModeloElTarvo : public QObject
{
    Q_OBJECT
public:
    ModeloElTarvo(Plataforma &plataforma, Recuperacion &recuperacion);

    const BaseConocimiento &Base() const { return documento.Base(); }
    const Documento &Doc() const { return documento; }
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
    // on the command line, unless it is the file of the work restored.
    void Arrancar(const std::optional<QString> &archivo);

    void Jugar() { juego.Jugar(); }
    void Responder(bool respuestaSi);
    void Parar() { juego.Parar(); }
    // Alt+←: the last answer of a game taken back.
    void Volver() { juego.Volver(); }
    // The game back at an earlier question of its path, as after taking back the answers since, one by one.
    bool PuedeVolverA(int linea) const;
    void VolverA(int linea);
    void Abrir();
    // Opens the file as "Abrir..." does once the file is chosen, without asking about the document on view:
    // a file named on the command line.
    void AbrirArchivo(const QString &ruta);
    void Guardar();
    void GuardarComo();
    void Nuevo();
    // "Salir" and every request to close the main window: asks before a changed document is dropped.
    void Salir();

    // The mends and the history, out of play or before the first lesson of a new document only: each does nothing
    // in a game or a lesson.
    bool FueraDeJuego() const { return juego.FaseActual() == Fase::FueraDeJuego; }
    bool PuedeCambiarBase() const { return juego.PuedeCambiarBase(); }
    bool PuedeCambiarSiNo(int linea) const;
    bool PuedeQuitarObjeto(int linea) const;
    void CambiarSiNo(int linea);
    void QuitarObjeto(int linea);
    void Deshacer();
    void Rehacer();

signals:
    void NombreCambiado();
    void VistaCambiada();

private:
    void IniciarArchivoNuevo();
    void MostrarNombreArchivo();
    void MostrarArchivoEnVisor();
    void MostrarBytes(const QList<QByteArray> &bytes);
    void MostrarDatosCargados();
    // Writes the knowledge base to RutaArch until it succeeds or the user gives up; true when it was written,
    // and then the view shows it.
    bool EscribirArchivo();
    // "¿Continuar?" about a failed step of a command; Abort ends the program at once.
    Documento::TrasError PreguntarContinuar(const QString &comando, int error);
    // Before Open or New discard the document: the save question, and the save on Yes. False to stop.
    bool GuardarAntesDeDescartar();
    Plataforma::Respuesta PreguntarGuardarActual();
    std::optional<QString> ElegirArchivoTvo(Plataforma::Dialogo dialogo, const QString &titulo);
    void TerminarPrograma();
    // After an undo or a redo: the base on view as the step left it.
    void MostrarBaseDeHistoria();
    // Asks about each copy left behind, newest first; true when one was restored.
    bool OfrecerCopias();
    void Restaurar(Recuperacion::Copia &&copia);

    Plataforma &plataforma;
    Documento documento;
    Juego juego;
    Edicion edicion;
    QString titulo = QStringLiteral("El Tarvo");
    QString etiquetaArchivo = QStringLiteral("(Nombre del archivo TVO)");
    QList<QByteArray> vista;
    bool terminando = false;
};
