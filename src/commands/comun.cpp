#include "kb/rutas.h"
#include "ui/main/frmeltarvo.h"

namespace {
// The one filter of the file dialog, in the dialog's "description|pattern|" form.
const QString FiltroTvo = QStringLiteral("Archivos tarvo (*.tvo) |*.tvo|");
} // namespace

frmElTarvo::TrasError frmElTarvo::PreguntarContinuar(const QString &comando, int error)
{
    const auto respuesta =
        plataforma.Mensaje(QStringLiteral("¿Continuar?"), comando + QStringLiteral(" - Error %1 inesperado").arg(error),
                           Plataforma::Botones::AnularReintentarOmitir, Plataforma::Icono::Error);
    switch (respuesta) {
    case Plataforma::Respuesta::Reintentar:
        return TrasError::Reintentar;
    case Plataforma::Respuesta::Omitir:
        return TrasError::Omitir;
    default:
        // Abort: the program ends at once, without asking to save.
        terminando = true;
        plataforma.TerminarPrograma();
        return TrasError::Terminar;
    }
}

Plataforma::Respuesta frmElTarvo::PreguntarGuardarActual()
{
    return plataforma.Mensaje(QStringLiteral("¿Desea guardar el archivo actual?"), TituloDeRuta(RutaArch),
                              Plataforma::Botones::SiNoCancelar, Plataforma::Icono::Exclamacion);
}

bool frmElTarvo::GuardarAntesDeDescartar()
{
    if (!Modificado)
        return true;
    const auto respuesta = PreguntarGuardarActual();
    if (respuesta == Plataforma::Respuesta::Cancelar)
        return false;
    // Whatever the save's outcome, a cancelled dialog included, the command goes on.
    if (respuesta == Plataforma::Respuesta::Si)
        cmdGuardar_Click();
    return !terminando;
}

std::optional<QString> frmElTarvo::ElegirArchivoTvo(Plataforma::Dialogo dialogo, const QString &titulo)
{
    return plataforma.ElegirArchivo(dialogo, titulo, FiltroTvo);
}
