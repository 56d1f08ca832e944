#include "pruebademodelo.h"

#include "kb/escritortvo.h"

#include <QDir>

void PruebaDeModelo::init()
{
    carpeta = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(QStringLiteral(ELTARVO_NUEVO_TVO), carpeta->filePath(QStringLiteral("Nuevo.tvo"))));
    guion = std::make_unique<PlataformaGuion>(QDir::toNativeSeparators(carpeta->path()));
    modelo = std::make_unique<ModeloElTarvo>(*guion);
    Arrancar();
}

void PruebaDeModelo::cleanup()
{
    QVERIFY(guion->Comprobar());
    Terminar();
    modelo.reset();
}

QString PruebaDeModelo::Ruta(const QString &nombre) const
{
    return QDir::toNativeSeparators(carpeta->filePath(nombre));
}

void PruebaDeModelo::Ensenar(const QString &objeto1, const QString &objeto2, const QString &pregunta, bool si)
{
    Cajas().TextoEditado(Caja::Objeto1, objeto1);
    Cajas().TextoEditado(Caja::Objeto2, objeto2);
    Cajas().TextoEditado(Caja::Pregunta, pregunta);
    modelo->Responder(si);
}

void PruebaDeModelo::AbrirBytes(const QByteArray &bytes, const QString &nombre)
{
    // Out of play first: a game is stopped, a learning step made, a full base's guess confirmed.
    for (Fase fase; (fase = ElJuego().FaseActual()) != Fase::FueraDeJuego;)
        fase == Fase::Jugando       ? modelo->Parar()
        : fase == Fase::Aprendiendo ? Ensenar(QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("¿Q?"))
                                    : modelo->Responder(true);
    EscribirBytes(Ruta(nombre), bytes);
    if (modelo->Doc().Modificado)
        guion->ResponderMensaje(Plataforma::Respuesta::No);
    guion->ResponderArchivo(Ruta(nombre));
    guion->ResponderSiempre(Plataforma::Respuesta::Omitir);
    modelo->Abrir();
    guion->ResponderSiempre(std::nullopt);
    guion->mostrados.clear();
}

void PruebaDeModelo::Abrir(const BaseConocimiento &base, const QString &nombre)
{
    BaseConocimiento copia = base;
    AbrirBytes(CodificarArchivoTvo(copia), nombre);
}

QString PruebaDeModelo::Estado() const
{
    static const char *const fases[] = {"fuera", "jugando", "aprendiendo", "llena"};
    static const char fondos[] = {'P', 'O', 'A', 'V'};
    const Juego &juego = modelo->ElJuego();
    const Fila &fila = juego.FilaMostrada();
    QString fondo;
    for (Caja caja : {Caja::Objeto1, Caja::Objeto2, Caja::Pregunta})
        fondo += QLatin1Char(fondos[int(juego.FondoDe(caja))]) + QStringLiteral(" ");
    return QStringLiteral("%1 %2 %3 %4 | %5| %6")
        .arg(QLatin1String(fases[int(juego.FaseActual())]), fila.registro, fila.valorSi, fila.valorNo, fondo,
             juego.Texto(Caja::Pregunta));
}

QStringList PruebaDeModelo::Mensajes() const
{
    static const char *const botones[] = {"A", "SN", "SNC", "ARO"};
    QStringList mostrados;
    for (const auto &m : guion->mostrados)
        mostrados << (m.dialogo ? QStringLiteral("<%1>").arg(m.titulo)
                                : QStringLiteral("%1: %2 [%3%4]")
                                      .arg(m.titulo, m.texto, QLatin1String(botones[m.tipo]),
                                           m.icono == Plataforma::Icono::Error ? "x" : "!"));
    return mostrados;
}
