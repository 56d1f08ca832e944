#include "documento.h"

#include "kb/aprendizaje.h"
#include "kb/enmiendas.h"
#include "kb/lectortvo.h"
#include "kb/rutas.h"

#include <QDir>
#include <QFile>
#include <QUndoCommand>

namespace {

const QString TipoObjetoNuevo = QStringLiteral("Objeto (tipo de objeto)");

BaseConocimiento BaseNueva()
{
    BaseConocimiento base;
    base.TipoObjeto = TipoObjetoNuevo;
    base.Caracteristicas = QStringLiteral("Características del archivo");
    return base;
}

// Two texts as a file holds them; a text still sharing its characters with the other is the same at once.
bool MismoTextoEnArchivo(const QString &a, const QString &b)
{
    if (a.constData() == b.constData() && a.size() == b.size())
        return true;
    return QStringView(a).left(BaseConocimiento::MaxTexto) == QStringView(b).left(BaseConocimiento::MaxTexto);
}

// Whether a save of either base writes the same bytes.
bool MismoArchivo(const BaseConocimiento &a, const BaseConocimiento &b)
{
    if (a.NumLineas != b.NumLineas || !MismoTextoEnArchivo(a.TipoObjeto, b.TipoObjeto) ||
        !MismoTextoEnArchivo(a.Caracteristicas, b.Caracteristicas))
        return false;
    for (int k = 1; k <= std::min<int>(a.NumLineas, BaseConocimiento::MaxLineas); ++k)
        if (a.ValorSi[k] != b.ValorSi[k] || a.ValorNo[k] != b.ValorNo[k] ||
            !MismoTextoEnArchivo(a.TextoLinea[k], b.TextoLinea[k]))
            return false;
    return true;
}

} // namespace

// A step of the history: redo() makes the change, undo() takes it back, each telling the document what it touched.
class CambioDeDocumento : public QUndoCommand
{
public:
    CambioDeDocumento(Documento &documento, const QString &nombre) : QUndoCommand(nombre), documento(documento) {}

protected:
    BaseConocimiento &Base() { return documento.base; }
    Documento &documento;
};

namespace {

// One line as it stood, to be put back.
struct Linea {
    int numero;
    qint16 valorSi;
    qint16 valorNo;
    QString texto;
};

class Leccion : public CambioDeDocumento
{
public:
    Leccion(Documento &documento, int linea, bool respuestaSi, QString pregunta, QString objeto2, QString objeto1)
        : CambioDeDocumento(documento, QStringLiteral("Aprender un objeto")), linea(linea), respuestaSi(respuestaSi),
          pregunta(std::move(pregunta)), objeto2(std::move(objeto2)), objeto1(std::move(objeto1))
    {
    }

    void redo() override
    {
        BaseConocimiento &base = Base();
        numLineas = base.NumLineas;
        antes.clear();
        for (int n : {linea, base.NumLineas + 1, base.NumLineas + 2})
            antes.push_back({n, base.ValorSi[n], base.ValorNo[n], base.TextoLinea[n]});
        ConvertirEnPregunta(base, linea, respuestaSi, pregunta);
        AnadirObjetos(base, objeto2, objeto1);
        emit documento.EstructuraCambiada(linea);
    }
    void undo() override
    {
        BaseConocimiento &base = Base();
        for (const Linea &l : antes) {
            base.ValorSi[l.numero] = l.valorSi;
            base.ValorNo[l.numero] = l.valorNo;
            base.TextoLinea[l.numero] = l.texto;
        }
        base.NumLineas = numLineas;
        emit documento.EstructuraCambiada(linea);
    }

private:
    const int linea;
    const bool respuestaSi;
    const QString pregunta;
    const QString objeto2;
    const QString objeto1;
    qint16 numLineas = 0;
    std::vector<Linea> antes;
};

// A text changed from one value to another: a line's, or a header's.
class CambioDeTexto : public CambioDeDocumento
{
public:
    CambioDeTexto(Documento &documento, QString &destino, QString texto, std::function<void()> avisar)
        : CambioDeDocumento(documento, QStringLiteral("Cambiar un texto")), destino(destino), antes(destino),
          despues(std::move(texto)), avisar(std::move(avisar))
    {
    }

    void redo() override { Poner(despues); }
    void undo() override { Poner(antes); }

private:
    void Poner(const QString &texto)
    {
        destino = texto;
        avisar();
    }

    QString &destino;
    const QString antes;
    const QString despues;
    const std::function<void()> avisar;
};

class CambioSiNo : public CambioDeDocumento
{
public:
    CambioSiNo(Documento &documento, int linea)
        : CambioDeDocumento(documento, QStringLiteral("Cambiar Sí/No")), linea(linea)
    {
    }

    // Swapping is its own inverse.
    void redo() override
    {
        IntercambiarSiNo(Base(), linea);
        emit documento.EstructuraCambiada(linea);
    }
    void undo() override { redo(); }

private:
    const int linea;
};

// Renumbers every line after the one removed: the base before it is kept whole, as cheap as its shared texts. Done,
// it is about the branch that took the question's place; undone, about the question back in its own.
class Quitar : public CambioDeDocumento
{
public:
    Quitar(Documento &documento, int linea)
        : CambioDeDocumento(documento, QStringLiteral("Quitar objeto")), linea(linea)
    {
    }

    void redo() override
    {
        antes = Base();
        const int lugar = ::QuitarObjeto(Base(), linea);
        emit documento.EstructuraCambiada(lugar);
    }
    void undo() override
    {
        Base() = antes;
        emit documento.EstructuraCambiada(PreguntaEncima(antes, linea));
    }

private:
    const int linea;
    BaseConocimiento antes;
};

} // namespace

Documento::Documento(Plataforma &plataforma, Recuperacion &recuperacion)
    : plataforma(plataforma), recuperacion(recuperacion)
{
    // Every step done, undone or redone: the copy follows the base.
    connect(&pila, &QUndoStack::indexChanged, this, &Documento::ActualizarCopia);
}

Documento::~Documento()
{
    // The stack empties itself as it goes, when there is no copy left to keep.
    disconnect(&pila, nullptr, this, nullptr);
}

bool Documento::Modificado() const
{
    return !pila.isClean() || pendiente || forzado;
}

void Documento::Hacer(QUndoCommand *cambio)
{
    pendiente = false;
    pila.push(cambio);
}

void Documento::Aprender(int linea, bool respuestaSi, const QString &pregunta, const QString &objeto2,
                         const QString &objeto1)
{
    if (ComprobarAprendizaje(base, linea) == ImpedimentoAprender::Ninguno)
        Hacer(new Leccion(*this, linea, respuestaSi, pregunta, objeto2, objeto1));
}

void Documento::CambiarTexto(int linea, const QString &texto)
{
    if (base.Existe(linea) && base.TextoLinea[linea] != texto)
        Hacer(new CambioDeTexto(*this, base.TextoLinea[linea], texto, [this, linea] { emit TextoCambiado(linea); }));
}

void Documento::CambiarCabecera(Cabecera cabecera, const QString &texto)
{
    QString &destino = cabecera == Cabecera::TipoObjeto ? base.TipoObjeto : base.Caracteristicas;
    if (destino != texto)
        Hacer(new CambioDeTexto(*this, destino, texto, [this] { emit CabeceraCambiada(); }));
}

void Documento::CambiarSiNo(int linea)
{
    if (PuedeIntercambiarse(base, linea))
        Hacer(new CambioSiNo(*this, linea));
}

void Documento::QuitarObjeto(int linea)
{
    if (ComprobarQuitar(base, linea) == ImpedimentoQuitar::Ninguno)
        Hacer(new Quitar(*this, linea));
}

void Documento::Nuevo(const QString &ruta)
{
    recuperacion.Descartar();
    rutaArch = ruta;
    base = BaseNueva();
    esArchivoNuevo = true;
    enDisco = {};
    Empezar(BaseNueva(), true);
}

void Documento::EmpezarLectura(const QString &ruta)
{
    // From here on the document on view is gone, whatever the file turns out to hold.
    recuperacion.Descartar();
    rutaArch = ruta;
    base.VaciarLineas();
    base.TipoObjeto = TipoObjetoNuevo;
    lector = std::make_unique<LectorTvo>(base, ruta);
    pila.clear();
    emit NombreCambiado();
    emit Reemplazada();
}

Documento::Lectura Documento::Leer(const std::function<TrasError(int)> &alFallar)
{
    bool completo = true;
    while (!lector->Terminado()) {
        const int error = lector->EjecutarPaso();
        if (!error)
            continue;
        switch (alFallar(error)) {
        case TrasError::Reintentar:
            break;
        case TrasError::Omitir:
            completo = false;
            lector->OmitirPaso();
            break;
        case TrasError::Terminar:
            return Lectura::Terminada;
        }
    }
    enDisco = {lector->HuellaLeida(), {lector->Bytes()}, true};
    lector.reset();
    // What failed to read is missing from the base: "Guardar" must not write it over the file without asking.
    esArchivoNuevo = !completo;
    Empezar(base, false);
    return completo ? Lectura::Completa : Lectura::Incompleta;
}

bool Documento::ArchivoCambiado() const
{
    const Huella ahora = HuellaDeArchivo(rutaArch);
    if (!ahora.MismoTamanoYHora(enDisco.huella))
        return true;
    // A file system may keep times to the second: the bytes tell.
    return ahora.tamano >= 0 && enDisco.contenidoConocido && !ArchivoContiene(rutaArch, enDisco.contenido);
}

void Documento::Renombrar(const QString &ruta)
{
    rutaArch = ruta;
    esArchivoNuevo = false;
    enDisco = {HuellaDeArchivo(ruta), {}, false};
    guardada.reset();
    pila.resetClean();
}

int Documento::Escribir()
{
    const QList<QByteArray> registros = codificador.Codificar(base);
    if (const int error = GuardarBytes(registros, rutaArch)) {
        SinArchivo();
        return error;
    }
    enDisco = {HuellaDeArchivo(rutaArch), registros, true};
    esArchivoNuevo = false;
    guardada = base;
    pendiente = false;
    forzado = false;
    pila.setClean();
    ActualizarCopia();
    return 0;
}

void Documento::SinArchivo()
{
    // The file may be gone or another's: what it holds is not known.
    guardada.reset();
    forzado = true;
    ActualizarCopia();
}

std::vector<Recuperacion::Copia> Documento::CopiasAbandonadas()
{
    if (const int error = recuperacion.ComprobarCarpeta())
        AvisarCopiaFallida(error);
    return recuperacion.Abandonadas();
}

bool Documento::Restaurar(Recuperacion::Copia &&copia)
{
    rutaArch = copia.RutaArch;
    base = *copia.base;
    enDisco = {};
    // A document never saved, or whose file changed since, is saved through the dialog and differs from an empty one.
    std::optional<BaseConocimiento> delArchivo = BaseNueva();
    const bool intacto = !copia.guardado || RecuperarArchivo(copia.huella, delArchivo);
    esArchivoNuevo = !copia.guardado || !intacto;
    recuperacion.Adoptar(std::move(copia));
    Empezar(std::move(delArchivo), true);
    // The copy adopted holds this base already, and says what its file is unless that changed.
    if (!intacto)
        ActualizarCopia();
    return intacto;
}

bool Documento::RecuperarArchivo(const std::optional<Huella> &segunCopia, std::optional<BaseConocimiento> &delArchivo)
{
    const Huella ahora = HuellaDeArchivo(rutaArch);
    if (!segunCopia || !ahora.MismoTamanoYHora(*segunCopia))
        return false;
    // No file then, and none now.
    if (ahora.tamano < 0) {
        enDisco = {*segunCopia, {}, false};
        delArchivo.reset();
        return true;
    }
    QFile archivo(rutaArch);
    if (LectorTvo::ComprobarArchivo(rutaArch) != 0 || !archivo.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = archivo.readAll();
    if (!segunCopia->hash.isEmpty() && HashDe({bytes}) != segunCopia->hash)
        return false;
    enDisco = {*segunCopia, {bytes}, true};
    delArchivo.emplace();
    LectorTvo::DeBytes(*delArchivo, bytes).LeerIgnorandoErrores();
    return true;
}

void Documento::Empezar(std::optional<BaseConocimiento> delArchivo, bool sinGuardar)
{
    guardada = std::move(delArchivo);
    pendiente = false;
    forzado = false;
    codificador = {};
    pila.clear();
    // An empty stack keeps the clean state it had: it is set here either way.
    if (sinGuardar)
        pila.resetClean();
    else
        pila.setClean();
    Avisar();
}

void Documento::Avisar()
{
    emit NombreCambiado();
    emit CabeceraCambiada();
    emit Reemplazada();
}

void Documento::ActualizarCopia()
{
    // A base half read is neither the old document nor the new one.
    if (lector)
        return;
    if (guardada && MismoArchivo(base, *guardada)) {
        recuperacion.Descartar();
        return;
    }
    // Encoded from a copy of the base: a save, not the recovery copy, cuts over-long texts in memory.
    BaseConocimiento copia = base;
    if (const int error = recuperacion.Escribir(codificador.Codificar(copia), rutaArch, HuellaParaCopia()))
        AvisarCopiaFallida(error);
}

std::optional<Huella> Documento::HuellaParaCopia()
{
    if (esArchivoNuevo)
        return std::nullopt;
    // Hashed once for every read or write, when the first copy needs it.
    Huella &huella = enDisco.huella;
    if (huella.hash.isEmpty() && huella.tamano >= 0 && enDisco.contenidoConocido)
        huella.hash = HashDe(enDisco.contenido);
    return huella;
}

void Documento::AvisarCopiaFallida(int error)
{
    if (copiaFallida)
        return;
    copiaFallida = true;
    plataforma.Mensaje(QStringLiteral("No se puede escribir la copia de recuperación en %1 (error %2). El Tarvo sigue "
                                      "sin ella: guarde el archivo para no perder los cambios.")
                           .arg(QDir::toNativeSeparators(recuperacion.Carpeta()))
                           .arg(error),
                       QStringLiteral("Copia de recuperación"), Plataforma::Botones::Aceptar,
                       Plataforma::Icono::Exclamacion);
}
