#pragma once

#include "kb/baseconocimiento.h"

#include <QByteArray>
#include <QList>
#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// Recovery copies of unsaved work, so that a crash, a kill or a power cut loses nothing that was taught. Each
// running program keeps at most one copy in the folder, with what the document is (its path, whether it was
// ever saved) and the whole base in the file's own records, written atomically after every change. A lock held
// while the program runs tells the copies of running programs from those left behind.
class Recuperacion
{
public:
    // A copy left by a program that no longer runs, held by this one until it is adopted, deleted or dropped.
    struct Copia {
        QString archivo;
        QString RutaArch;
        bool guardado = false;
        // Nothing when the copy cannot be read.
        std::optional<BaseConocimiento> base;
        std::unique_ptr<QLockFile> candado;
    };

    explicit Recuperacion(QString carpeta);
    // The copy stays where it is: only a deliberate end drops it.
    ~Recuperacion();
    // $XDG_STATE_HOME/eltarvo, or ~/.local/state/eltarvo; the application's data folder where XDG does not apply.
    static QString CarpetaPorDefecto();
    const QString &Carpeta() const { return carpeta; }
    // This program's copy, once written.
    const QString &Archivo() const { return archivo; }

    // Writes this program's copy: the file's records and what the document is. The error number, 0 on success.
    int Escribir(const QList<QByteArray> &registros, const QString &rutaArch, bool guardado);
    // The work is safe or deliberately dropped: the copy goes.
    void Descartar();

    // The copies whose program no longer runs, newest first.
    std::vector<Copia> Abandonadas() const;
    // The copy becomes this program's own, as if it had written it.
    void Adoptar(Copia &&copia);
    static void Borrar(Copia &&copia);

private:
    QString carpeta;
    QString archivo;
    std::unique_ptr<QLockFile> candado;
};
