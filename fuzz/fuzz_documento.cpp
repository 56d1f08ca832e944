// The document driven by random sequences of its operations: teach, store a text or a header, swap, remove, undo,
// redo, save, a save that fails, and a kill followed by the restore of the copy. After each: the recovery copy
// exists exactly when the bytes a save would write differ from those its file holds (for a new document, from an
// empty base), and it holds those bytes; a restore gives them back; undoing every step gives back the base as it was
// first opened, created or restored.
#include "documento/documento.h"
#include "kb/escritortvo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

class PlataformaMuda : public Plataforma
{
public:
    Respuesta Mensaje(const QString &, const QString &, Botones, Icono) override { return Respuesta::Aceptar; }
    std::optional<QString> ElegirArchivo(Dialogo, const QString &, const QString &) override { return std::nullopt; }
    void Pitido() override {}
    QString CarpetaPrograma() const override { return QDir::tempPath(); }
    void TerminarPrograma() override {}
};

void Comprobar(bool condicion)
{
    if (!condicion)
        std::abort();
}

QByteArray Bytes(BaseConocimiento base)
{
    return CodificarArchivoTvo(base);
}

QByteArray LeerArchivo(const QString &ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

// The fuzzer's bytes as the choices of a user.
class Eleccion
{
public:
    Eleccion(const uint8_t *datos, size_t tamano) : datos(datos), fin(datos + tamano) {}
    bool Quedan() const { return datos < fin; }
    int Numero(int hasta) { return Quedan() ? *datos++ % hasta : 0; }
    // A text as the boxes let it through: Windows-1252 only, no double quote, line breaks as CR LF.
    QString Texto()
    {
        static const QString letras = QStringLiteral("ab ñ¿?€“\r\n");
        QString texto;
        for (int n = Numero(8); n > 0; --n)
            texto += letras[Numero(letras.size())];
        return texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n').replace('\n', "\r\n");
    }

private:
    const uint8_t *datos;
    const uint8_t *fin;
};

struct Prueba {
    QTemporaryDir carpeta;
    PlataformaMuda plataforma;
    std::unique_ptr<Recuperacion> recuperacion;
    std::unique_ptr<Documento> documento;
    // The bytes of the file as last read or written; nothing when the document names a file that holds none of it.
    std::optional<QByteArray> delArchivo;
    // What a save of an empty new document writes.
    QByteArray vacio;
    QByteArray inicial;

    QString Ruta(const QString &nombre) const { return carpeta.filePath(nombre); }

    void Arrancar()
    {
        documento.reset();
        recuperacion = std::make_unique<Recuperacion>(Ruta("estado"));
        documento = std::make_unique<Documento>(plataforma, *recuperacion);
    }

    void Nuevo()
    {
        documento->Nuevo(Ruta("Nuevo.tvo"));
        vacio = Bytes(documento->Base());
        delArchivo = vacio;
        inicial = vacio;
    }

    void Guardar()
    {
        documento->Renombrar(Ruta("base.tvo"));
        Comprobar(documento->Escribir() == 0);
        delArchivo = LeerArchivo(Ruta("base.tvo"));
    }

    // The program is killed and starts again: its copy is restored, or, without one, its file is opened.
    void Renacer()
    {
        const QByteArray antes = Bytes(documento->Base());
        const bool conArchivo = !documento->EsArchivoNuevo();
        Arrancar();
        std::vector<Recuperacion::Copia> copias = documento->CopiasAbandonadas();
        Comprobar(copias.size() <= 1);
        if (copias.empty() && !conArchivo) {
            Nuevo();
        } else if (copias.empty()) {
            documento->EmpezarLectura(Ruta("base.tvo"));
            Comprobar(documento->Leer([](int) { return Documento::TrasError::Terminar; }) ==
                      Documento::Lectura::Completa);
        } else {
            const bool guardado = copias[0].guardado;
            // Nothing else writes the file: a copy is restored as the document it was.
            Comprobar(documento->Restaurar(std::move(copias[0])));
            if (!guardado)
                delArchivo = vacio;
        }
        Comprobar(Bytes(documento->Base()) == antes);
        inicial = antes;
    }

    void Comprobaciones()
    {
        const QByteArray ahora = Bytes(documento->Base());
        const bool copia = QFile::exists(recuperacion->Archivo());
        Comprobar(copia == (!delArchivo || ahora != *delArchivo));
        Comprobar(!copia || LeerArchivo(recuperacion->Archivo()).endsWith(ahora));
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    Prueba prueba;
    Eleccion eleccion(datos, tamano);
    prueba.Arrancar();
    prueba.Nuevo();
    for (int operaciones = 0; eleccion.Quedan() && operaciones < 200; ++operaciones) {
        Documento &doc = *prueba.documento;
        const BaseConocimiento &base = doc.Base();
        const int linea = eleccion.Numero(base.NumLineas + 2);
        switch (eleccion.Numero(10)) {
        case 0:
            // A lesson, as the game teaches it: at an object.
            if (!base.EsPregunta(linea))
                doc.Aprender(linea, eleccion.Numero(2), eleccion.Texto(), eleccion.Texto(), eleccion.Texto());
            break;
        case 1:
            doc.CambiarTexto(linea, eleccion.Texto());
            break;
        case 2:
            doc.CambiarCabecera(eleccion.Numero(2) ? Documento::Cabecera::TipoObjeto
                                                   : Documento::Cabecera::Caracteristicas,
                                eleccion.Texto());
            break;
        case 3:
            doc.CambiarSiNo(linea);
            break;
        case 4:
            doc.QuitarObjeto(linea);
            break;
        case 5:
            doc.Deshacer();
            break;
        case 6:
            doc.Rehacer();
            break;
        case 7:
            prueba.Guardar();
            break;
        case 8:
            doc.Renombrar(prueba.Ruta("falta/otro.tvo"));
            Comprobar(doc.Escribir() != 0 && doc.Modificado());
            prueba.delArchivo.reset();
            break;
        case 9:
            prueba.Renacer();
            break;
        }
        prueba.Comprobaciones();
    }
    Documento &doc = *prueba.documento;
    while (doc.Historia().canUndo())
        doc.Deshacer();
    Comprobar(Bytes(doc.Base()) == prueba.inicial);
    return 0;
}
