#pragma once

#include "plataforma/plataforma.h"

#include <QList>
#include <QStringList>

#include <deque>

// A platform that answers from a script: every message box and file dialog must have been announced with
// its answer beforehand. It records what was shown, and Comprobar() (called from cleanup()) fails when an
// announced answer was not used or an unannounced dialog appeared.
class PlataformaGuion : public Plataforma
{
public:
    struct MensajeMostrado {
        QString texto;
        QString titulo;
        Botones botones;
        Icono icono;
    };

    struct DialogoMostrado {
        Dialogo dialogo;
        QString titulo;
        QString filtro;
    };

    explicit PlataformaGuion(QString carpetaPrograma);

    void ResponderMensaje(Respuesta respuesta);
    // The answer to every message that no announced answer is left for, for runs whose messages are not
    // known beforehand (broken files); such messages are still recorded.
    void ResponderSiempre(std::optional<Respuesta> respuesta) { respuestaFija = respuesta; }
    void ResponderArchivo(std::optional<QString> ruta);

    Respuesta Mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono) override;
    std::optional<QString> ElegirArchivo(Dialogo dialogo, const QString &titulo, const QString &filtro) override;
    void Pitido() override;
    QString CarpetaPrograma() const override;
    void TerminarPrograma() override;

    // False when the script was not followed; the reason is reported as a test failure.
    bool Comprobar();

    QString carpeta;
    QList<MensajeMostrado> mensajes;
    QList<DialogoMostrado> dialogos;
    int pitidos = 0;
    bool terminado = false;

private:
    std::deque<Respuesta> respuestas;
    std::optional<Respuesta> respuestaFija;
    std::deque<std::optional<QString>> archivos;
    QStringList inesperados;
};
