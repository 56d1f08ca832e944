#include "modelo.h"

#include "kb/enmiendas.h"
#include "kb/errores.h"
#include "kb/lectortvo.h"
#include "kb/rutas.h"

#include <QDir>
#include <QFile>

namespace {

// The one filter of the file dialog, in the dialog's "description|pattern|" form.
const QString FiltroTvo = QStringLiteral("Archivos tarvo (*.tvo) |*.tvo|");
const QString TipoObjetoNuevo = QStringLiteral("Objeto (tipo de objeto)");

} // namespace

ModeloElTarvo::ModeloElTarvo(Plataforma &plataforma, Recuperacion &recuperacion)
    : plataforma(plataforma), recuperacion(recuperacion), juego(base, plataforma), edicion(base, juego, plataforma),
      historia(base, [this] { MostrarBaseDeHistoria(); })
{
    const auto modificar = [this] { doc.Modificado = true; };
    connect(&juego, &Juego::DocumentoModificado, this, modificar);
    connect(&edicion, &Edicion::DocumentoModificado, this, modificar);
    connect(&juego, &Juego::BaseCambiada, this, [this] { AnotarCambio(Historia::Cambio::PasoAprendido); });
    connect(&edicion, &Edicion::BaseCambiada, this, [this] { AnotarCambio(Historia::Cambio::TextoAlmacenado); });
}

void ModeloElTarvo::Form_Load()
{
    doc.Modificado = false;
    doc.EsArchivoNuevo = true;
    IniciarArchivoNuevo();
}

void ModeloElTarvo::Arrancar(const std::optional<QString> &archivo)
{
    // A restored document is asked about before the file replaces it, as "Abrir..." asks.
    if (OfrecerCopias() && archivo && !GuardarAntesDeDescartar())
        return;
    if (archivo)
        AbrirArchivo(*archivo);
}

bool ModeloElTarvo::OfrecerCopias()
{
    for (Recuperacion::Copia &copia : recuperacion.Abandonadas()) {
        if (!copia.base) {
            if (plataforma.Mensaje(QStringLiteral("La copia de recuperación %1 no se puede leer. ¿Desea borrarla?")
                                       .arg(QDir::toNativeSeparators(copia.archivo)),
                                   QStringLiteral("El Tarvo"), Plataforma::Botones::SiNo,
                                   Plataforma::Icono::Exclamacion) == Plataforma::Respuesta::Si)
                Recuperacion::Borrar(std::move(copia));
            continue;
        }
        switch (plataforma.Mensaje(
            QStringLiteral("El Tarvo se cerró sin guardar los cambios de «%1». ¿Desea recuperarlos?")
                .arg(NombreArchivoParaTitulo(copia.RutaArch)),
            TituloDeRuta(copia.RutaArch), Plataforma::Botones::SiNo, Plataforma::Icono::Exclamacion)) {
        case Plataforma::Respuesta::Si:
            // The other copies wait for the next start.
            Restaurar(std::move(copia));
            return true;
        case Plataforma::Respuesta::No:
            Recuperacion::Borrar(std::move(copia));
            break;
        default:
            // Dismissed without an answer: this copy and the rest wait for the next start.
            return false;
        }
    }
    return false;
}

// Shown as after an open of the document's own file, yet changed: "Guardar" writes the file it came from.
void ModeloElTarvo::Restaurar(Recuperacion::Copia &&copia)
{
    doc.RutaArch = copia.RutaArch;
    BorrarDatos();
    base = *copia.base;
    juego.DejarFueraDeJuego();
    MostrarDatosCargados();
    doc.EsArchivoNuevo = !copia.guardado;
    doc.Modificado = true;
    EmpezarHistoria();
    MostrarArchivoEnVisor();
    recuperacion.Adoptar(std::move(copia));
}

void ModeloElTarvo::AnotarCambio(Historia::Cambio cambio)
{
    // A text stored during a learning step belongs to the step, which is noted when Si or No ends it: one undo
    // takes back the whole lesson.
    if (!juego.ModoAprender())
        historia.Anotar(cambio);
    GuardarCopia();
    emit BaseCambiada();
}

void ModeloElTarvo::MostrarBaseDeHistoria()
{
    juego.BaseMendada();
    // Back at the state the file holds, the document is as saved; a document never saved stays changed.
    if (historia.Guardada() && !doc.EsArchivoNuevo) {
        doc.Modificado = false;
        recuperacion.Descartar();
    } else {
        GuardarCopia();
    }
    emit BaseCambiada();
}

void ModeloElTarvo::EmpezarHistoria()
{
    historia.Empezar(!doc.Modificado);
    emit BaseCambiada();
}

bool ModeloElTarvo::PuedeCambiarSiNo(int linea) const
{
    return FueraDeJuego() && PuedeIntercambiarse(base, linea);
}

bool ModeloElTarvo::PuedeQuitarObjeto(int linea) const
{
    return FueraDeJuego() && ComprobarQuitar(base, linea) == ImpedimentoQuitar::Ninguno;
}

void ModeloElTarvo::CambiarSiNo(int linea)
{
    if (FueraDeJuego())
        historia.CambiarSiNo(linea);
}

void ModeloElTarvo::QuitarObjeto(int linea)
{
    if (FueraDeJuego())
        historia.QuitarObjeto(linea);
}

void ModeloElTarvo::Deshacer()
{
    if (FueraDeJuego())
        historia.Deshacer();
}

void ModeloElTarvo::Rehacer()
{
    if (FueraDeJuego())
        historia.Rehacer();
}

void ModeloElTarvo::GuardarCopia()
{
    doc.Modificado = true;
    // Encoded from a copy of the base: a save, not the recovery copy, cuts over-long texts in memory.
    BaseConocimiento copia = base;
    const int error = recuperacion.Escribir(codificador.Codificar(copia), doc.RutaArch, !doc.EsArchivoNuevo);
    if (error == Error::Ninguno || copiaFallida)
        return;
    copiaFallida = true;
    plataforma.Mensaje(QStringLiteral("No se puede escribir la copia de recuperación en %1 (error %2). El Tarvo sigue "
                                      "sin ella: guarde el archivo para no perder los cambios.")
                           .arg(QDir::toNativeSeparators(recuperacion.Carpeta()))
                           .arg(error),
                       QStringLiteral("Copia de recuperación"), Plataforma::Botones::Aceptar,
                       Plataforma::Icono::Exclamacion);
}

void ModeloElTarvo::IniciarArchivoNuevo()
{
    // The document on view is dropped: its copy goes with it.
    recuperacion.Descartar();
    BorrarLineas();
    base.TipoObjeto = TipoObjetoNuevo;
    base.Caracteristicas = QStringLiteral("Características del archivo");
    doc.RutaApp = plataforma.CarpetaPrograma();
    doc.NomArch = QStringLiteral("Nuevo.tvo");
    // The separator is always added, also after a folder that ends with one.
    doc.RutaArch = doc.RutaApp + QDir::separator() + doc.NomArch;
    MostrarArchivoEnVisor();
    juego.DocumentoNuevo();
    MostrarNombreArchivo();
    doc.EsArchivoNuevo = true;
    doc.Modificado = true;
    EmpezarHistoria();
}

void ModeloElTarvo::BorrarLineas()
{
    base.VaciarLineas();
    // The records kept from the last save belong to the base just emptied: let their memory go.
    codificador = {};
    juego.IrALinea(1);
}

void ModeloElTarvo::MostrarNombreArchivo()
{
    titulo = NombreArchivoParaTitulo(doc.RutaArch) + QStringLiteral(" - El Tarvo");
    etiquetaArchivo = doc.RutaArch;
    emit NombreCambiado();
}

void ModeloElTarvo::MostrarArchivoEnVisor()
{
    QFile archivo(doc.RutaArch);
    // A file that cannot be read leaves the view empty.
    MostrarBytes({archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray()});
}

void ModeloElTarvo::MostrarBytes(const QList<QByteArray> &bytes)
{
    vista = bytes;
    emit VistaCambiada();
}

void ModeloElTarvo::Responder(bool respuestaSi)
{
    // A pasted double quote would damage the file on the next save: nothing is stored until it is removed; what a
    // file cannot hold is stored as the file will hold it.
    if (juego.ModoAprender() && !edicion.Admitir({Caja::Objeto1, Caja::Objeto2, Caja::Pregunta}))
        return;
    juego.Responder(respuestaSi);
}

void ModeloElTarvo::Abrir()
{
    if (!ControlesDe(juego.FaseActual()).archivo || !GuardarAntesDeDescartar())
        return;
    if (const std::optional<QString> ruta =
            ElegirArchivoTvo(Plataforma::Dialogo::Abrir, QStringLiteral("Abrir archivo tvo")))
        AbrirArchivo(*ruta);
}

void ModeloElTarvo::AbrirArchivo(const QString &ruta)
{
    // From here on the old knowledge base is gone, whatever the file turns out to hold.
    recuperacion.Descartar();
    doc.RutaArch = ruta;
    MostrarNombreArchivo();
    BorrarDatos();
    juego.DejarFueraDeJuego();
    bool completo = true;
    const QByteArray leidos = LeerArchivo(completo);
    if (terminando)
        return;
    MostrarDatosCargados();
    // What failed to read is missing from the base: "Guardar" must not write it over the file without asking.
    doc.EsArchivoNuevo = !completo;
    EmpezarHistoria();
    // The view shows the file as just read, without reading it a second time.
    MostrarBytes({leidos});
}

QByteArray ModeloElTarvo::LeerArchivo(bool &completo)
{
    LectorTvo lector(base, doc.RutaArch);
    while (!lector.Terminado()) {
        const int error = lector.EjecutarPaso();
        if (!error)
            continue;
        switch (PreguntarContinuar(QStringLiteral("Abrir"), error)) {
        case TrasError::Reintentar:
            break;
        case TrasError::Omitir:
            completo = false;
            lector.OmitirPaso();
            break;
        case TrasError::Terminar:
            return {};
        }
    }
    return lector.Bytes();
}

void ModeloElTarvo::BorrarDatos()
{
    BorrarLineas();
    base.TipoObjeto = TipoObjetoNuevo;
    doc.Modificado = false;
}

void ModeloElTarvo::MostrarDatosCargados()
{
    juego.BaseLeida();
    MostrarNombreArchivo();
    doc.EsArchivoNuevo = false;
    doc.Modificado = false;
}

void ModeloElTarvo::Guardar()
{
    if (!ControlesDe(juego.FaseActual()).archivo)
        return;
    // A document without a file of the user's choosing never writes the default "Nuevo.tvo".
    if (doc.EsArchivoNuevo) {
        GuardarComo();
        return;
    }
    const bool escrito = EscribirArchivo();
    if (terminando)
        return;
    if (escrito)
        doc.Modificado = false;
    else
        MostrarArchivoEnVisor();
}

void ModeloElTarvo::GuardarComo()
{
    if (!ControlesDe(juego.FaseActual()).archivo)
        return;
    const std::optional<QString> candidato =
        ElegirArchivoTvo(Plataforma::Dialogo::Guardar, QStringLiteral("Guardar archivo tvo"));
    if (!candidato) {
        doc.Modificado = true;
        return;
    }
    // A file counts as existing when it can be opened for reading.
    doc.ArchExiste = QFile(*candidato).open(QIODevice::ReadOnly);
    if (doc.ArchExiste &&
        plataforma.Mensaje(QStringLiteral("¿Sobreescribir?"), TituloDeRuta(*candidato), Plataforma::Botones::SiNo,
                           Plataforma::Icono::Exclamacion) != Plataforma::Respuesta::Si) {
        plataforma.Pitido();
        return;
    }
    doc.RutaArch = *candidato;
    // The state saved so far is that of another file.
    historia.OlvidarGuardada();
    doc.EsArchivoNuevo = false;
    const bool escrito = EscribirArchivo();
    if (terminando)
        return;
    MostrarNombreArchivo();
    // A failed write leaves the old file as it was, and the document marked as changed.
    if (escrito)
        doc.Modificado = false;
    else
        MostrarArchivoEnVisor();
}

bool ModeloElTarvo::EscribirArchivo()
{
    for (;;) {
        const QList<QByteArray> registros = codificador.Codificar(base);
        const int error = GuardarBytes(registros, doc.RutaArch);
        if (error == Error::Ninguno) {
            recuperacion.Descartar();
            historia.MarcarGuardada();
            // The view shows the file as written, without reading it back.
            MostrarBytes(registros);
            return true;
        }
        if (PreguntarContinuar(QStringLiteral("Guardar"), error) != TrasError::Reintentar)
            return false;
    }
}

void ModeloElTarvo::Nuevo()
{
    if (!ControlesDe(juego.FaseActual()).archivo || !GuardarAntesDeDescartar())
        return;
    IniciarArchivoNuevo();
    MostrarArchivoEnVisor();
}

void ModeloElTarvo::Salir()
{
    if (doc.Modificado) {
        switch (PreguntarGuardarActual()) {
        case Plataforma::Respuesta::No:
            break;
        case Plataforma::Respuesta::Si:
            // Leaving never saves by itself: the user is sent to save first.
            plataforma.Mensaje(QStringLiteral("Guarde Ud. mismo el archivo por favor..."), QStringLiteral("Guardar"),
                               Plataforma::Botones::Aceptar, Plataforma::Icono::Exclamacion);
            return;
        default:
            // Cancel, and any answer that is neither Yes nor No, stays in the program.
            return;
        }
    }
    // A deliberate end drops the copy; Abort after a failed save keeps it for the next start.
    recuperacion.Descartar();
    TerminarPrograma();
}

ModeloElTarvo::TrasError ModeloElTarvo::PreguntarContinuar(const QString &comando, int error)
{
    // Only Abort ends the program: any other answer asks again, as a box without a chosen button stays up.
    for (;;) {
        switch (plataforma.Mensaje(QStringLiteral("¿Continuar?"),
                                   comando + QStringLiteral(" - Error %1 inesperado").arg(error),
                                   Plataforma::Botones::AnularReintentarOmitir, Plataforma::Icono::Error)) {
        case Plataforma::Respuesta::Reintentar:
            return TrasError::Reintentar;
        case Plataforma::Respuesta::Omitir:
            return TrasError::Omitir;
        case Plataforma::Respuesta::Anular:
            // The program ends at once, without asking to save.
            TerminarPrograma();
            return TrasError::Terminar;
        default:
            break;
        }
    }
}

void ModeloElTarvo::TerminarPrograma()
{
    terminando = true;
    plataforma.TerminarPrograma();
}

Plataforma::Respuesta ModeloElTarvo::PreguntarGuardarActual()
{
    return plataforma.Mensaje(QStringLiteral("¿Desea guardar el archivo actual?"), TituloDeRuta(doc.RutaArch),
                              Plataforma::Botones::SiNoCancelar, Plataforma::Icono::Exclamacion);
}

bool ModeloElTarvo::GuardarAntesDeDescartar()
{
    if (!doc.Modificado)
        return true;
    switch (PreguntarGuardarActual()) {
    case Plataforma::Respuesta::Si:
        // Only a save that happened lets the command discard the document: a cancelled dialog or an ignored
        // failure keeps it as it is.
        Guardar();
        return !terminando && !doc.Modificado;
    case Plataforma::Respuesta::No:
        return true;
    default:
        // Cancel, and any answer that is neither Yes nor No, keeps the document.
        return false;
    }
}

std::optional<QString> ModeloElTarvo::ElegirArchivoTvo(Plataforma::Dialogo dialogo, const QString &titulo)
{
    return plataforma.ElegirArchivo(dialogo, titulo, FiltroTvo);
}
