#pragma once

#include "kb/baseconocimiento.h"
#include "kb/escritortvo.h"
#include "kb/huella.h"
#include "plataforma/plataforma.h"
#include "recuperacion/recuperacion.h"

#include <QList>
#include <QObject>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class LectorTvo;

// The document: the knowledge base, its file and what this program last read or wrote there, the history of its
// changes and the recovery copy. It is the one owner of the base: every change is a step of the history, made by
// the step itself and taken back by it, and the recovery copy follows the base whenever it differs from its file.
class Documento : public QObject
{
    Q_OBJECT
public:
    enum class Cabecera { TipoObjeto, Caracteristicas };
    // How a read goes on after a failed step.
    enum class TrasError { Reintentar, Omitir, Terminar };
    enum class Lectura { Completa, Incompleta, Terminada };

    Documento(Plataforma &plataforma, Recuperacion &recuperacion);
    ~Documento() override;

    const BaseConocimiento &Base() const { return base; }
    const QString &RutaArch() const { return rutaArch; }
    // No file of the user's choosing, or one read incompletely: "Guardar" then behaves as "Guardar como...".
    bool EsArchivoNuevo() const { return esArchivoNuevo; }
    // Commands that would discard the document ask first: it is not in the state its file holds (a new document
    // never is), a box holds work that is not in the base yet, or a save did not happen.
    bool Modificado() const;
    const QUndoStack &Historia() const { return pila; }
    // The bytes last read from or written to the file, in consecutive pieces.
    const QList<QByteArray> &Contenido() const { return enDisco.contenido; }

    // The changes, each a step of the history; a change that would leave the base as it is does nothing.
    // The learning step: line `linea` becomes the question, answered respuestaSi for objeto2.
    void Aprender(int linea, bool respuestaSi, const QString &pregunta, const QString &objeto2, const QString &objeto1);
    void CambiarTexto(int linea, const QString &texto);
    void CambiarCabecera(Cabecera cabecera, const QString &texto);
    void CambiarSiNo(int linea);
    void QuitarObjeto(int linea);
    void Deshacer() { pila.undo(); }
    void Rehacer() { pila.redo(); }
    // Work the base does not hold yet: a character typed into a box of the document's, a lesson begun.
    void CambioPendiente() { pendiente = true; }
    // A Save As whose dialog was cancelled: the document counts as changed until it is saved.
    void ForzarModificado() { forzado = true; }

    // The user chose to drop the work: its copy goes.
    void Abandonar() { recuperacion.Descartar(); }
    // A new, empty document named after ruta, a file it never reads or writes.
    void Nuevo(const QString &ruta);
    // Reading a file in place of the base, in two halves: the first drops the document and names the file, the
    // second reads it step by step, alFallar deciding after each failed step. Once read, the base is as its file.
    void EmpezarLectura(const QString &ruta);
    Lectura Leer(const std::function<TrasError(int error)> &alFallar);
    // Whether the file at RutaArch is no longer what this document last read or wrote there.
    bool ArchivoCambiado() const;
    // The path chosen in Save As becomes the document's file, as the user found it; it holds none of its states.
    // The name is shown once the file is written.
    void Renombrar(const QString &ruta);
    // Writes the base to its file; the error number, 0 when it was written and the document is saved.
    int Escribir();
    // A write that did not happen, or that the user refused over a file changed on disk: the document is changed,
    // whatever it was before, and the recovery copy keeps it, since its file may not.
    void SinArchivo();

    // The copies left by programs that ended without saving; a copy folder that cannot be used is told once.
    std::vector<Recuperacion::Copia> CopiasAbandonadas();
    // The copy's base on view as a changed document of its file. False when the file changed since the copy's
    // document last read or wrote it: the document is then one never saved, under the same name.
    bool Restaurar(Recuperacion::Copia &&copia);

signals:
    // What a change touched: one line's text, the lines and their links (linea: the line the change is about, 0 for
    // none), a header text. A base read, created or restored in place of another is Reemplazada, under its name.
    void TextoCambiado(int linea);
    void EstructuraCambiada(int linea);
    void CabeceraCambiada();
    void NombreCambiado();
    void Reemplazada();

private:
    friend class CambioDeDocumento;
    // A change made through the history: what a box held is now in the base.
    void Hacer(QUndoCommand *cambio);
    // A base just read, created or restored: nothing to undo; guardada is what its file holds, and sinGuardar tells
    // that no state is.
    void Empezar(std::optional<BaseConocimiento> guardada, bool sinGuardar);
    void Avisar();
    // Writes the recovery copy while the base differs from its file, and drops it when it does not.
    void ActualizarCopia();
    std::optional<Huella> HuellaParaCopia();
    // Whether the file at RutaArch is still what a copy says its document last read or wrote there; then it is known
    // as such, and delArchivo is the base it holds.
    bool RecuperarArchivo(const std::optional<Huella> &segunCopia, std::optional<BaseConocimiento> &delArchivo);
    void AvisarCopiaFallida(int error);

    Plataforma &plataforma;
    Recuperacion &recuperacion;
    BaseConocimiento base;
    QString rutaArch;
    bool esArchivoNuevo = true;
    // The base as its file holds it: as read or written, empty for a new document, nothing when the file holds none
    // of it (a save that failed).
    std::optional<BaseConocimiento> guardada;
    // What this document last read or wrote at RutaArch.
    struct EnDisco {
        Huella huella;
        QList<QByteArray> contenido;
        // After Save As chose a file that was not written, only its size and time are known.
        bool contenidoConocido = false;
    };
    EnDisco enDisco;
    bool pendiente = false;
    bool forzado = false;
    QUndoStack pila;
    // The records of the last encoding, so that the next one encodes only the lines changed since.
    CodificadorTvo codificador;
    std::unique_ptr<LectorTvo> lector;
    // A copy that cannot be written is told once a run.
    bool copiaFallida = false;
};
