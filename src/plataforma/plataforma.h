#pragma once

#include <QString>

#include <optional>

// Everything the program asks of the system around it: message boxes, the file dialog, the beep, its own
// folder and ending the program. The window receives one in its constructor; tests give it a scripted one.
class Plataforma
{
public:
    enum class Botones { Aceptar, SiNo, SiNoCancelar, AnularReintentarOmitir };
    enum class Icono { Exclamacion, Error };
    enum class Respuesta { Aceptar, Si, No, Cancelar, Anular, Reintentar, Omitir };
    enum class Dialogo { Abrir, Guardar };

    virtual ~Plataforma() = default;

    // A modal message box; returns the button the user chose. Escape and the close box answer Cancel, also on a box
    // of Yes and No, and nothing on a box of Abort, Retry and Ignore.
    virtual Respuesta Mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono) = 0;
    // The open or save dialog, its filter as "description|pattern|" pairs; the chosen full path in native form,
    // or nothing when cancelled.
    virtual std::optional<QString> ElegirArchivo(Dialogo dialogo, const QString &titulo, const QString &filtro) = 0;
    virtual void Pitido() = 0;
    // The folder that holds the program, with native separators.
    virtual QString CarpetaPrograma() const = 0;
    // Closes every window and ends the program; the caller returns at once.
    virtual void TerminarPrograma() = 0;
};
