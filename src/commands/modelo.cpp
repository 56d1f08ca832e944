#include "modelo.h"

#include "kb/enmiendas.h"
#include "kb/lectortvo.h"
#include "kb/rutas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The one filter of the file dialog, in the dialog's "description|pattern|" form.
const QString FiltroTvo = QStringLiteral("Archivos tarvo (*.tvo) |*.tvo|");

// The start of a text that a question names: its first 200 characters, and "…" when there are more.
QString Comienzo(const QString &texto)
{
    constexpr qsizetype Nombrados = 200;
    return texto.size() > Nombrados ? texto.left(Nombrados) + QStringLiteral("…") : texto;
}

// Two paths name the same file: links and relative parts resolved where the file exists.
bool MismoArchivo(const QString &a, const QString &b)
{
    const auto canonica = [](const QString &ruta) {
        const QFileInfo info(ruta);
        return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    };
    return canonica(a) == canonica(b);
}

} // namespace

ModeloElTarvo::ModeloElTarvo(Plataforma &plataforma, Recuperacion &recuperacion)
    : plataforma(plataforma), documento(plataforma, recuperacion), juego(documento, plataforma),
      edicion(documento, juego, plataforma)
{
    connect(&documento, &Documento::NombreCambiado, this, &ModeloElTarvo::MostrarNombreArchivo);
}

void ModeloElTarvo::Form_Load()
{
    IniciarArchivoNuevo();
}

void ModeloElTarvo::Arrancar(const std::optional<QString> &archivo)
{
    const bool restaurado = OfrecerCopias();
    // The work restored is the file's own newer state: it stays on view.
    if (!archivo || (restaurado && MismoArchivo(*archivo, documento.RutaArch())))
        return;
    // Another file is asked about before it replaces the work restored, as "Abrir..." asks.
    if (restaurado && !GuardarAntesDeDescartar())
        return;
    AbrirArchivo(*archivo);
}

bool ModeloElTarvo::OfrecerCopias()
{
    for (Recuperacion::Copia &copia : documento.CopiasAbandonadas()) {
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

// Shown as after an open of the document's own file, yet changed: "Guardar" writes the file it came from, unless
// that file changed since, which the user is told.
void ModeloElTarvo::Restaurar(Recuperacion::Copia &&copia)
{
    juego.DejarFueraDeJuego();
    const bool intacto = documento.Restaurar(std::move(copia));
    juego.IrALinea(1);
    MostrarDatosCargados();
    MostrarArchivoEnVisor();
    if (!intacto)
        plataforma.Mensaje(QStringLiteral("El archivo «%1» cambió en el disco después de que El Tarvo lo abriera o "
                                          "guardara por última vez. Los cambios recuperados no se escriben sobre él: "
                                          "«Guardar» le pedirá dónde guardarlos.")
                               .arg(NombreArchivoParaTitulo(documento.RutaArch())),
                           TituloDeRuta(documento.RutaArch()), Plataforma::Botones::Aceptar,
                           Plataforma::Icono::Exclamacion);
}

bool ModeloElTarvo::PuedeVolverA(int linea) const
{
    return juego.PuedeVolver() && Base().EsPregunta(linea) && linea != juego.LineaActual() &&
           juego.Camino().contains(linea);
}

void ModeloElTarvo::VolverA(int linea)
{
    if (!PuedeVolverA(linea))
        return;
    while (juego.FaseActual() != Fase::Jugando || juego.LineaActual() != linea)
        juego.Volver();
}

void ModeloElTarvo::MostrarBaseDeHistoria()
{
    juego.BaseMendada();
}

bool ModeloElTarvo::PuedeCambiarSiNo(int linea) const
{
    return PuedeCambiarBase() && PuedeIntercambiarse(Base(), linea);
}

bool ModeloElTarvo::PuedeQuitarObjeto(int linea) const
{
    return PuedeCambiarBase() && ComprobarQuitar(Base(), linea) == ImpedimentoQuitar::Ninguno;
}

void ModeloElTarvo::CambiarSiNo(int linea)
{
    if (PuedeCambiarBase()) {
        documento.CambiarSiNo(linea);
        MostrarBaseDeHistoria();
    }
}

void ModeloElTarvo::QuitarObjeto(int linea)
{
    // The one change that takes a lesson out of the base is asked about first.
    if (!PuedeQuitarObjeto(linea) ||
        plataforma.Mensaje(
            QStringLiteral("¿Quitar el objeto «%1» y la pregunta «%2»?")
                .arg(Comienzo(Base().TextoLinea[linea]), Comienzo(Base().TextoLinea[PreguntaEncima(Base(), linea)])),
            QStringLiteral("Quitar objeto"), Plataforma::Botones::SiNo,
            Plataforma::Icono::Exclamacion) != Plataforma::Respuesta::Si)
        return;
    documento.QuitarObjeto(linea);
    MostrarBaseDeHistoria();
}

void ModeloElTarvo::Deshacer()
{
    if (PuedeCambiarBase() && documento.Historia().canUndo()) {
        documento.Deshacer();
        MostrarBaseDeHistoria();
    }
}

void ModeloElTarvo::Rehacer()
{
    if (PuedeCambiarBase() && documento.Historia().canRedo()) {
        documento.Rehacer();
        MostrarBaseDeHistoria();
    }
}

void ModeloElTarvo::IniciarArchivoNuevo()
{
    // The separator is always added, also after a folder that ends with one.
    const QString ruta = plataforma.CarpetaPrograma() + QDir::separator() + QStringLiteral("Nuevo.tvo");
    documento.Nuevo(ruta);
    juego.IrALinea(1);
    MostrarArchivoEnVisor();
    juego.DocumentoNuevo();
}

void ModeloElTarvo::MostrarNombreArchivo()
{
    titulo = NombreArchivoParaTitulo(documento.RutaArch()) + QStringLiteral(" - El Tarvo");
    etiquetaArchivo = documento.RutaArch();
    emit NombreCambiado();
}

void ModeloElTarvo::MostrarArchivoEnVisor()
{
    QFile archivo(documento.RutaArch());
    // A file that cannot be read, or is no file to read, leaves the view empty.
    const bool legible = LectorTvo::ComprobarArchivo(documento.RutaArch()) == 0 && archivo.open(QIODevice::ReadOnly);
    MostrarBytes({legible ? archivo.readAll() : QByteArray()});
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
    documento.EmpezarLectura(ruta);
    // Line 1 of the emptied base, out of play, while the file is read.
    juego.IrALinea(1);
    juego.DejarFueraDeJuego();
    const auto alFallar = [this](int error) { return PreguntarContinuar(QStringLiteral("Abrir"), error); };
    if (documento.Leer(alFallar) == Documento::Lectura::Terminada)
        return;
    MostrarDatosCargados();
    // The view shows the file as just read, without reading it a second time.
    MostrarBytes(documento.Contenido());
}

void ModeloElTarvo::MostrarDatosCargados()
{
    juego.BaseLeida();
    MostrarNombreArchivo();
}

void ModeloElTarvo::Guardar()
{
    if (!ControlesDe(juego.FaseActual()).archivo)
        return;
    // A document without a file of the user's choosing never writes the default "Nuevo.tvo".
    if (documento.EsArchivoNuevo()) {
        GuardarComo();
        return;
    }
    // Another program, or the user in an editor, changed the file: it is not overwritten without a word.
    if (documento.ArchivoCambiado() &&
        plataforma.Mensaje(QStringLiteral("El archivo «%1» cambió en el disco después de abrirlo o guardarlo. ¿Desea "
                                          "sobrescribirlo?")
                               .arg(NombreArchivoParaTitulo(documento.RutaArch())),
                           TituloDeRuta(documento.RutaArch()), Plataforma::Botones::SiNo,
                           Plataforma::Icono::Exclamacion) != Plataforma::Respuesta::Si) {
        documento.SinArchivo();
        return;
    }
    if (!EscribirArchivo() && !terminando)
        MostrarArchivoEnVisor();
}

void ModeloElTarvo::GuardarComo()
{
    if (!ControlesDe(juego.FaseActual()).archivo)
        return;
    const std::optional<QString> candidato =
        ElegirArchivoTvo(Plataforma::Dialogo::Guardar, QStringLiteral("Guardar archivo tvo"));
    if (!candidato) {
        documento.ForzarModificado();
        return;
    }
    // A file counts as existing when it can be opened for reading; a pipe, which would block the opening, counts as
    // existing without a try.
    const QFileInfo info(*candidato);
    const bool especial = info.exists() && !info.isFile() && !info.isDir();
    if ((especial || QFile(*candidato).open(QIODevice::ReadOnly)) &&
        plataforma.Mensaje(QStringLiteral("¿Sobreescribir?"), TituloDeRuta(*candidato), Plataforma::Botones::SiNo,
                           Plataforma::Icono::Exclamacion) != Plataforma::Respuesta::Si) {
        plataforma.Pitido();
        return;
    }
    documento.Renombrar(*candidato);
    const bool escrito = EscribirArchivo();
    if (terminando)
        return;
    MostrarNombreArchivo();
    // A failed write leaves the old file as it was, and the document marked as changed.
    if (!escrito)
        MostrarArchivoEnVisor();
}

bool ModeloElTarvo::EscribirArchivo()
{
    for (;;) {
        const int error = documento.Escribir();
        if (!error) {
            // The view shows the file as written, without reading it back.
            MostrarBytes(documento.Contenido());
            return true;
        }
        if (PreguntarContinuar(QStringLiteral("Guardar"), error) != Documento::TrasError::Reintentar)
            return false;
    }
}

void ModeloElTarvo::Nuevo()
{
    if (!ControlesDe(juego.FaseActual()).archivo || !GuardarAntesDeDescartar())
        return;
    IniciarArchivoNuevo();
}

void ModeloElTarvo::Salir()
{
    if (documento.Modificado()) {
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
    documento.Abandonar();
    TerminarPrograma();
}

Documento::TrasError ModeloElTarvo::PreguntarContinuar(const QString &comando, int error)
{
    // Only Abort ends the program: any other answer asks again, as a box without a chosen button stays up.
    for (;;) {
        switch (plataforma.Mensaje(QStringLiteral("¿Continuar?"),
                                   comando + QStringLiteral(" - Error %1 inesperado").arg(error),
                                   Plataforma::Botones::AnularReintentarOmitir, Plataforma::Icono::Error)) {
        case Plataforma::Respuesta::Reintentar:
            return Documento::TrasError::Reintentar;
        case Plataforma::Respuesta::Omitir:
            return Documento::TrasError::Omitir;
        case Plataforma::Respuesta::Anular:
            // The program ends at once, without asking to save.
            TerminarPrograma();
            return Documento::TrasError::Terminar;
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
    return plataforma.Mensaje(QStringLiteral("¿Desea guardar el archivo actual?"), TituloDeRuta(documento.RutaArch()),
                              Plataforma::Botones::SiNoCancelar, Plataforma::Icono::Exclamacion);
}

bool ModeloElTarvo::GuardarAntesDeDescartar()
{
    if (!documento.Modificado())
        return true;
    switch (PreguntarGuardarActual()) {
    case Plataforma::Respuesta::Si:
        // Only a save that happened lets the command discard the document: a cancelled dialog, a refused overwrite
        // or an ignored failure keeps it as it is.
        Guardar();
        return !terminando && !documento.Modificado();
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
