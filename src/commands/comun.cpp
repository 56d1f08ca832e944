#include "kb/rutas.h"
#include "ui/main/frmeltarvo.h"

namespace {
// The one filter of the file dialog, in the dialog's "description|pattern|" form.
const QString FiltroTvo = QStringLiteral("Archivos tarvo (*.tvo) |*.tvo|");
} // namespace

frmElTarvo::TrasError frmElTarvo::PreguntarContinuar(const QString &comando, int error)
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
            terminando = true;
            plataforma.TerminarPrograma();
            return TrasError::Terminar;
        default:
            break;
        }
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
    switch (PreguntarGuardarActual()) {
    case Plataforma::Respuesta::Si:
        // Whatever the save's outcome, a cancelled dialog included, the command goes on.
        cmdGuardar_Click();
        return !terminando;
    case Plataforma::Respuesta::No:
        return true;
    default:
        // Cancel, and any answer that is neither Yes nor No, keeps the document.
        return false;
    }
}

std::optional<QString> frmElTarvo::ElegirArchivoTvo(Plataforma::Dialogo dialogo, const QString &titulo)
{
    return plataforma.ElegirArchivo(dialogo, titulo, FiltroTvo);
}
