#pragma once

#include "plataforma/plataforma.h"

// The real platform: Qt's message boxes and file dialog.
class PlataformaQt : public Plataforma
{
public:
    Respuesta Mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono) override;
    std::optional<QString> ElegirArchivo(Dialogo dialogo, const QString &titulo, const QString &filtro) override;
    void Pitido() override;
    QString CarpetaPrograma() const override;
    void TerminarPrograma() override;

private:
    // The dialog starts with the file it returned last time.
    QString ultimoArchivo;
};
