#include "pruebademodelo.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

void PruebaDeModelo::init()
{
    carpeta = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(QStringLiteral(ELTARVO_NUEVO_TVO), carpeta->filePath(QStringLiteral("Nuevo.tvo"))));
    guion = std::make_unique<PlataformaGuion>(QDir::toNativeSeparators(carpeta->path()));
    recuperacion = std::make_unique<Recuperacion>(carpeta->filePath(QStringLiteral("estado")));
    modelo = std::make_unique<ModeloElTarvo>(*guion, *recuperacion);
    Arrancar();
}

void PruebaDeModelo::cleanup()
{
    guion->Comprobar();
    Terminar();
    modelo.reset();
    recuperacion.reset();
}

QString PruebaDeModelo::Ruta(const QString &nombre) const
{
    return QDir::toNativeSeparators(carpeta->filePath(nombre));
}

void PruebaDeModelo::AbrirBytes(const QByteArray &bytes, const QString &nombre)
{
    // Out of play first: a game is stopped, a learning step made, a full base's guess confirmed.
    for (Fase fase; (fase = ElJuego().FaseActual()) != Fase::FueraDeJuego;)
        fase == Fase::Jugando       ? modelo->Parar()
        : fase == Fase::Aprendiendo ? Pasos(QStringLiteral("o1=uno;o2=dos;pr=¿Q?;si"))
                                    : modelo->Responder(true);
    EscribirBytes(Ruta(nombre), bytes);
    if (modelo->Doc().Modificado())
        guion->ResponderMensaje(Plataforma::Respuesta::No);
    guion->ResponderArchivo(Ruta(nombre));
    guion->responder = [](auto) { return Plataforma::Respuesta::Omitir; };
    modelo->Abrir();
    guion->responder = nullptr;
    guion->mostrados.clear();
}

void PruebaDeModelo::Abrir(const BaseConocimiento &base, const QString &nombre)
{
    AbrirBytes(ArchivoDe(base), nombre);
}

void PruebaDeModelo::Pasos(const QString &pasos)
{
    // In the order of Caja and of Plataforma::Respuesta.
    static const QStringList cajas = {"o1", "o2", "pr", "tipo", "carac"};
    static const QStringList respuestas = {"aceptar", "si", "no", "cancelar", "anular", "reintentar", "omitir"};
    using Orden = void (*)(ModeloElTarvo &);
    static const QHash<QString, Orden> ordenes = {{"jugar", [](ModeloElTarvo &m) { m.Jugar(); }},
                                                  {"si", [](ModeloElTarvo &m) { m.Responder(true); }},
                                                  {"no", [](ModeloElTarvo &m) { m.Responder(false); }},
                                                  {"parar", [](ModeloElTarvo &m) { m.Parar(); }},
                                                  {"volver", [](ModeloElTarvo &m) { m.Volver(); }},
                                                  {"nuevo", [](ModeloElTarvo &m) { m.Nuevo(); }},
                                                  {"abrir", [](ModeloElTarvo &m) { m.Abrir(); }},
                                                  {"guardar", [](ModeloElTarvo &m) { m.Guardar(); }},
                                                  {"como", [](ModeloElTarvo &m) { m.GuardarComo(); }},
                                                  {"fin", [](ModeloElTarvo &m) { m.Salir(); }},
                                                  {"primera", [](ModeloElTarvo &m) { m.Cajas().IrAPrimera(); }},
                                                  {"anterior", [](ModeloElTarvo &m) { m.Cajas().IrAAnterior(); }},
                                                  {"siguiente", [](ModeloElTarvo &m) { m.Cajas().IrASiguiente(); }},
                                                  {"ultima", [](ModeloElTarvo &m) { m.Cajas().IrAUltima(); }}};
    for (const QString &paso : pasos.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString nombre = paso.section(QRegularExpression(QStringLiteral("[=:]")), 0, 0);
        const QString valor = paso.mid(nombre.size() + 1);
        if (paso.startsWith(QLatin1Char('<')) && cajas.contains(paso.mid(1)))
            Cajas().Salir(Caja(cajas.indexOf(paso.mid(1))));
        else if (nombre == QLatin1String("r") && respuestas.contains(valor))
            guion->ResponderMensaje(Plataforma::Respuesta(respuestas.indexOf(valor)));
        else if (nombre == QLatin1String("f"))
            guion->ResponderArchivo(valor.isEmpty() ? std::nullopt : std::optional<QString>(Ruta(valor)));
        else if (nombre == QLatin1String("reg")) {
            Cajas().RegistroEditado(valor);
            Cajas().Validar();
        } else if (cajas.contains(nombre))
            Cajas().TextoEditado(Caja(cajas.indexOf(nombre)), valor);
        else if (ordenes.contains(paso))
            ordenes.value(paso)(*modelo);
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + paso));
    }
}

QString PruebaDeModelo::Estado() const
{
    static const char *const fases[] = {"fuera", "jugando", "aprendiendo", "llena"};
    const Juego &juego = modelo->ElJuego();
    const Fila &fila = juego.FilaMostrada();
    QString fondo;
    for (Caja caja : {Caja::Objeto1, Caja::Objeto2, Caja::Pregunta})
        fondo += QLatin1Char("POAV"[int(juego.FondoDe(caja))]) + QStringLiteral(" ");
    return QStringLiteral("%1 %2 %3 %4 | %5| %6")
        .arg(QLatin1String(fases[int(juego.FaseActual())]), fila.registro, fila.valorSi, fila.valorNo, fondo,
             juego.Texto(Caja::Pregunta));
}
