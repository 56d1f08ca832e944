#pragma once

#include "plataforma/plataforma.h"

#include <QStringList>
#include <QTest>

#include <functional>

// A platform that answers from a script: every message box and file dialog must have been announced with its
// answer. It records what was shown; Comprobar() fails when an answer was left unused or a question came
// unannounced.
class PlataformaGuion : public Plataforma
{
public:
    explicit PlataformaGuion(QString carpeta) : carpeta(std::move(carpeta)) {}
    void ResponderMensaje(Respuesta respuesta) { respuestas.push_back(respuesta); }
    void ResponderArchivo(std::optional<QString> ruta) { archivos.push_back(std::move(ruta)); }

    Respuesta Mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono) override
    {
        static const char *const nombres[] = {"A", "SN", "SNC", "ARO"};
        mostrados << QStringLiteral("%1: %2 [%3%4]")
                         .arg(titulo, texto, QLatin1String(nombres[int(botones)]), icono == Icono::Error ? "x" : "!");
        if (!respuestas.isEmpty())
            return respuestas.takeFirst();
        if (responder)
            return responder(botones);
        inesperados << titulo + QStringLiteral(": ") + texto;
        // Unannounced, the answer that changes nothing; Abort, Retry and Ignore have none, so the command goes on.
        return botones == Botones::AnularReintentarOmitir ? Respuesta::Omitir : Respuesta::Cancelar;
    }
    std::optional<QString> ElegirArchivo(Dialogo dialogo, const QString &titulo, const QString &filtro) override
    {
        mostrados << QStringLiteral("<%1: %2 %3>").arg(titulo, dialogo == Dialogo::Abrir ? "abrir" : "guardar", filtro);
        if (!archivos.isEmpty())
            return archivos.takeFirst();
        if (elegir)
            return elegir(dialogo);
        inesperados << titulo;
        return std::nullopt;
    }
    void Pitido() override { ++pitidos; }
    QString CarpetaPrograma() const override { return carpeta; }
    void TerminarPrograma() override { terminado = true; }
    void Comprobar()
    {
        if (!respuestas.isEmpty() || !archivos.isEmpty())
            inesperados << QStringLiteral("%1 answers left").arg(respuestas.size() + archivos.size());
        QVERIFY2(inesperados.isEmpty(), qPrintable(QStringLiteral("script not followed: ") + inesperados.join("; ")));
    }

    QString carpeta;
    // For runs whose questions are not known beforehand: the answer to every message and dialog left without one.
    std::function<Respuesta(Botones)> responder;
    std::function<std::optional<QString>(Dialogo)> elegir;
    // The message boxes and file dialogs, in the order they were shown: a message as "title: text [buttons icon]"
    // (buttons A, SN, SNC or ARO for Abort, Retry, Ignore; icon ! or x), a dialog as "<title: abrir|guardar filter>".
    QStringList mostrados;
    int pitidos = 0;
    bool terminado = false;

private:
    QList<Respuesta> respuestas;
    QList<std::optional<QString>> archivos;
    QStringList inesperados;
};
