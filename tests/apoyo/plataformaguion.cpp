#include "plataformaguion.h"

#include <QTest>

Plataforma::Respuesta PlataformaGuion::Mensaje(const QString &texto, const QString &titulo, Botones botones,
                                               Icono icono)
{
    mostrados.append({false, titulo, texto, int(botones), icono});
    if (respuestas.empty() && respuestaFija)
        return *respuestaFija;
    if (respuestas.empty()) {
        inesperados << titulo + QStringLiteral(": ") + texto;
        // The answer that changes nothing; Abort, Retry and Ignore have none, so the command goes on.
        return botones == Botones::AnularReintentarOmitir ? Respuesta::Omitir : Respuesta::Cancelar;
    }
    const Respuesta respuesta = respuestas.front();
    respuestas.pop_front();
    return respuesta;
}

std::optional<QString> PlataformaGuion::ElegirArchivo(Dialogo dialogo, const QString &titulo, const QString &filtro)
{
    mostrados.append({true, titulo, filtro, int(dialogo)});
    if (archivos.empty()) {
        inesperados << titulo;
        return std::nullopt;
    }
    auto ruta = archivos.front();
    archivos.pop_front();
    return ruta;
}

bool PlataformaGuion::Comprobar()
{
    if (!respuestas.empty() || !archivos.empty())
        inesperados << QStringLiteral("%1 answers left").arg(respuestas.size() + archivos.size());
    if (!inesperados.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("script not followed: ") + inesperados.join(QStringLiteral("; "))),
                     __FILE__, __LINE__);
    return inesperados.isEmpty();
}
