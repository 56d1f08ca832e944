#pragma once

#include "kb/baseconocimiento.h"
#include "kb/huella.h"

#include <QByteArray>
#include <QList>
#include <QLockFile>
#include <QString>

#include <future>
#include <memory>
#include <optional>
#include <vector>

// Recovery copies of unsaved work, so that a crash, a kill or a power cut loses nothing that was taught. Each
// running program keeps at most one copy in the folder, with what the document is (its path, whether it was
// ever saved, and what its file was when the document last read or wrote it) and the whole base in the file's own
// records, written atomically after every change. A lock held while the program runs tells the copies of running
// programs from those left behind. The copies hold the user's texts: the folder must be the user's own and closed
// to others, and the copies and locks are the user's alone.
class Recuperacion
{
public:
    // A copy left by a program that no longer runs, held by this one until it is adopted, deleted or dropped.
    struct Copia {
        QString archivo;
        QString RutaArch;
        bool guardado = false;
        // What the document's file was when it last read or wrote it; nothing when the copy does not say.
        std::optional<Huella> huella;
        // Nothing when the copy cannot be read.
        std::optional<BaseConocimiento> base;
        std::unique_ptr<QLockFile> candado;
    };

    explicit Recuperacion(QString carpeta);
    // The copy stays where it is: only a deliberate end drops it. Copies dropped before are gone.
    ~Recuperacion();
    // $XDG_STATE_HOME/eltarvo, or ~/.local/state/eltarvo; the application's data folder where XDG does not apply.
    static QString CarpetaPorDefecto();
    const QString &Carpeta() const { return carpeta; }
    // This program's copy, once written.
    const QString &Archivo() const { return archivo; }

    // Error 70 when the folder exists but is not the user's own or is open to others; 0 otherwise.
    int ComprobarCarpeta() const;
    // Writes this program's copy: the file's records and what the document is, its file's identity when it was ever
    // saved. The error number, 0 on success.
    int Escribir(const QList<QByteArray> &registros, const QString &rutaArch, const std::optional<Huella> &huella);
    // The work is safe or deliberately dropped: the copy goes.
    void Descartar();

    // The copies whose program no longer runs, newest first; none in a folder that ComprobarCarpeta refuses.
    std::vector<Copia> Abandonadas() const;
    // The copy becomes this program's own, as if it had written it.
    void Adoptar(Copia &&copia);
    static void Borrar(Copia &&copia);

private:
    QString carpeta;
    QString archivo;
    std::unique_ptr<QLockFile> candado;
    // Copies dropped, being removed by another thread; each future waits for its removal when it goes.
    std::vector<std::future<void>> borrados;
};
