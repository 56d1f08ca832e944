#include "plataformaguion.h"

#include <QTest>

PlataformaGuion::PlataformaGuion(QString carpetaPrograma) : carpeta(std::move(carpetaPrograma)) {}

void PlataformaGuion::ResponderMensaje(Respuesta respuesta)
{
    respuestas.push_back(respuesta);
}

void PlataformaGuion::ResponderArchivo(std::optional<QString> ruta)
{
    archivos.push_back(std::move(ruta));
}

Plataforma::Respuesta PlataformaGuion::Mensaje(const QString &texto, const QString &titulo, Botones botones,
                                               Icono icono)
{
    mensajes.append({texto, titulo, botones, icono});
    if (respuestas.empty() && respuestaFija)
        return *respuestaFija;
    if (respuestas.empty()) {
        inesperados << QStringLiteral("message \"%1\" (\"%2\")").arg(texto, titulo);
        // The answer that changes nothing; Abort, Retry and Ignore have none, so the command goes on.
        return botones == Botones::AnularReintentarOmitir ? Respuesta::Omitir : Respuesta::Cancelar;
    }
    const Respuesta respuesta = respuestas.front();
    respuestas.pop_front();
    return respuesta;
}

std::optional<QString> PlataformaGuion::ElegirArchivo(Dialogo dialogo, const QString &titulo, const QString &filtro)
{
    dialogos.append({dialogo, titulo, filtro});
    if (archivos.empty()) {
        inesperados << QStringLiteral("file dialog \"%1\"").arg(titulo);
        return std::nullopt;
    }
    auto ruta = archivos.front();
    archivos.pop_front();
    return ruta;
}

void PlataformaGuion::Pitido()
{
    ++pitidos;
}

QString PlataformaGuion::CarpetaPrograma() const
{
    return carpeta;
}

void PlataformaGuion::TerminarPrograma()
{
    terminado = true;
}

bool PlataformaGuion::Comprobar()
{
    QStringList fallos = inesperados;
    if (!respuestas.empty())
        fallos << QStringLiteral("%1 message answers not used").arg(respuestas.size());
    if (!archivos.empty())
        fallos << QStringLiteral("%1 file dialog answers not used").arg(archivos.size());
    if (fallos.isEmpty())
        return true;
    QTest::qFail(qPrintable(QStringLiteral("script not followed: ") + fallos.join(QStringLiteral("; "))), __FILE__,
                 __LINE__);
    return false;
}
