#include "juego.h"

#include <QLocale>

Controles ControlesDe(Fase fase)
{
    const bool fuera = fase == Fase::FueraDeJuego;
    return {!fuera, fuera, fase == Fase::Jugando, fuera, fuera};
}

Juego::Juego(Documento &documento, Plataforma &plataforma)
    : documento(documento), base(documento.Base()), plataforma(plataforma)
{
    // The one box that the program never writes: this stays until the user changes it.
    textos[Indice(Caja::Objeto1)] =
        QStringLiteral("Objeto #1 - Escriba aquí el primer objeto (Escriba aquí el objeto pensado)\r\n");
}

void Juego::Jugar()
{
    if (!ControlesDe(fase).jugar)
        return;
    camino = {1};
    IrALinea(1);
    PonerTexto(Caja::Objeto2, QString());
    // Line 1's links are not looked at, so a guess at line 1 starts on light yellow too.
    ColoresDeJuego();
    PonerFase(Fase::Jugando);
}

void Juego::Responder(bool respuestaSi)
{
    if (!ControlesDe(fase).siNo)
        return;
    if (ModoAprender())
        PasoAprender(respuestaSi);
    else
        ResponderEnJuego(respuestaSi);
}

void Juego::Parar()
{
    if (ControlesDe(fase).parar)
        PonerFase(Fase::FueraDeJuego);
}

bool Juego::PuedeVolver() const
{
    return ((fase == Fase::Jugando || fase == Fase::BaseLlena) && camino.size() > 1) ||
           (ModoAprender() && !primeraLeccion);
}

void Juego::Volver()
{
    if (!PuedeVolver()) {
        plataforma.Pitido();
        return;
    }
    if (ModoAprender()) {
        PonerTexto(Caja::Objeto2, antesDeAprender.objeto2);
        PonerTexto(Caja::Pregunta, antesDeAprender.pregunta);
        for (const Caja caja : {Caja::Objeto1, Caja::Objeto2, Caja::Pregunta})
            PonerFondo(caja, antesDeAprender.fondos[Indice(caja)]);
    } else {
        // The path is shorter before the line is shown, so that a view of it marks the line in play.
        camino.removeLast();
        IrALinea(static_cast<qint16>(camino.constLast()));
        MostrarTextoLinea();
    }
    PonerFase(Fase::Jugando);
}

void Juego::ResponderEnJuego(bool respuestaSi)
{
    if (base.EsPregunta(lineaActual)) {
        const qint16 siguiente = base.Enlace(lineaActual, respuestaSi);
        // A file can link anywhere, 0 on one side included; only lines 1..599 exist.
        if (!BaseConocimiento::LineaUsable(siguiente)) {
            TerminarPorEnlaceIncorrecto(siguiente);
            return;
        }
        camino.append(siguiente);
        IrALinea(siguiente);
        MostrarTextoLinea();
    } else if (respuestaSi) {
        PonerFase(Fase::FueraDeJuego);
        PonerFondo(Caja::Pregunta, Fondo::Acertado);
    } else {
        EntrarModoAprender();
    }
}

void Juego::MostrarTextoLinea()
{
    PonerTexto(Caja::Pregunta, base.Texto(lineaActual));
    PonerFondo(Caja::Pregunta, base.EsPregunta(lineaActual) ? Fondo::Pregunta : Fondo::Adivinado);
}

void Juego::EntrarModoAprender()
{
    const ImpedimentoAprender impedimento = ComprobarAprendizaje(base, lineaActual);
    // Counts and lines that only a file can bring are refused before anything changes.
    if (impedimento != ImpedimentoAprender::Ninguno && impedimento != ImpedimentoAprender::BaseLlena) {
        AvisarImpedimento(impedimento);
        return;
    }
    antesDeAprender = {Texto(Caja::Objeto2), Texto(Caja::Pregunta), {fondos[0], fondos[1], fondos[2]}};
    const bool llena = impedimento == ImpedimentoAprender::BaseLlena;
    PonerFase(llena ? Fase::BaseLlena : Fase::Aprendiendo);
    PonerFondo(Caja::Pregunta, Fondo::Pregunta);
    if (llena) {
        AvisarImpedimento(impedimento);
        return;
    }
    // The guessed object, with whatever the user typed into the box during the game.
    PonerTexto(Caja::Objeto2, Texto(Caja::Pregunta));
    PonerTexto(Caja::Pregunta, QString());
    PonerFondo(Caja::Objeto1, Fondo::Otro);
    PonerFondo(Caja::Objeto2, Fondo::Pregunta);
    // The lesson begun is work to keep, though nothing of it reaches the base before Si or No.
    documento.CambioPendiente();
}

void Juego::PasoAprender(bool respuestaSi)
{
    const ImpedimentoAprender impedimento = ComprobarAprendizaje(base, lineaActual);
    if (impedimento != ImpedimentoAprender::Ninguno) {
        AvisarImpedimento(impedimento);
        return;
    }
    documento.Aprender(lineaActual, respuestaSi, Texto(Caja::Pregunta), Texto(Caja::Objeto2), Texto(Caja::Objeto1));
    ComunSiNo1();
}

void Juego::ComunSiNo1()
{
    PonerCuentaObjetos(TextoObjetosContenidos(base.NumLineas));
    PonerFase(Fase::FueraDeJuego);
}

void Juego::AvisarImpedimento(ImpedimentoAprender impedimento)
{
    QString texto;
    QString titulo = QStringLiteral("No se puede aprender");
    switch (impedimento) {
    case ImpedimentoAprender::BaseLlena: {
        QLocale local;
        local.setNumberOptions(QLocale::OmitGroupSeparator);
        texto = QStringLiteral("Ya hay más de ") + local.toString(base.NumLineas / 2.0, 'g', 15) +
                QStringLiteral(" objetos");
        titulo = QStringLiteral("Límite de memoria");
        break;
    }
    case ImpedimentoAprender::SinSitioParaDos:
        texto = QStringLiteral("El archivo tiene %1 líneas: no caben dos líneas más sin pasar de %2.")
                    .arg(base.NumLineas)
                    .arg(BaseConocimiento::MaxLineas);
        break;
    case ImpedimentoAprender::SinLineas:
        texto = QStringLiteral("El archivo dice tener %1 líneas: no hay dónde guardar un objeto nuevo.")
                    .arg(base.NumLineas);
        break;
    case ImpedimentoAprender::LineaFueraDeArchivo:
        texto = QStringLiteral("La línea %1 está fuera del archivo, que tiene %2 líneas: no se puede aprender en ella.")
                    .arg(lineaActual)
                    .arg(base.NumLineas);
        break;
    case ImpedimentoAprender::Ninguno:
        return;
    }
    plataforma.Mensaje(texto, titulo, Plataforma::Botones::Aceptar, Plataforma::Icono::Exclamacion);
}

void Juego::TerminarPorEnlaceIncorrecto(qint16 destino)
{
    plataforma.Mensaje(QStringLiteral("La línea %1 lleva a la línea %2, que no existe. El juego termina aquí.")
                           .arg(lineaActual)
                           .arg(destino),
                       QStringLiteral("Enlace incorrecto"), Plataforma::Botones::Aceptar,
                       Plataforma::Icono::Exclamacion);
    PonerFase(Fase::FueraDeJuego);
}

void Juego::DocumentoNuevo()
{
    PonerTexto(Caja::TipoObjeto, base.TipoObjeto);
    // The box shows the text with parentheses; the header string keeps its own until the box is left. A header
    // changed before the first lesson was undone stays on view.
    static const QString CaracteristicasNuevas = QStringLiteral("Características del archivo");
    PonerTexto(Caja::Carac, base.Caracteristicas == CaracteristicasNuevas
                                ? QStringLiteral("Características (del archivo)")
                                : base.Caracteristicas);
    PonerTexto(Caja::Objeto2, QStringLiteral("Objeto #2 - Escriba aquí el segundo objeto"));
    PonerTexto(Caja::Pregunta,
               QStringLiteral("Pregunta usuario - Escriba aquí la pregunta. Luego conteste pulsando en Si o No"));
    PonerFondo(Caja::Pregunta, Fondo::Pregunta);
    PonerFondo(Caja::Objeto2, Fondo::Pregunta);
    PonerFondo(Caja::Objeto1, Fondo::Otro);
    PonerCuentaObjetos(QStringLiteral("El archivo tvo contiene 0 objetos"));
    primeraLeccion = true;
    PonerFase(Fase::Aprendiendo);
}

void Juego::BaseLeida()
{
    PonerTexto(Caja::TipoObjeto, base.TipoObjeto);
    PonerTexto(Caja::Carac, base.Caracteristicas);
    PonerTexto(Caja::Objeto2, QString());
    IrALinea(lineaActual);
    // The colours of a game in play, not those of a new document.
    ColoresDeJuego();
    PonerCuentaObjetos(TextoObjetosContenidos(base.NumLineas));
}

void Juego::BaseMendada()
{
    const bool vacia = BaseVacia();
    if (vacia && !primeraLeccion) {
        IrALinea(1);
        DocumentoNuevo();
        return;
    }
    PonerTexto(Caja::TipoObjeto, base.TipoObjeto);
    PonerTexto(Caja::Carac, base.Caracteristicas);
    // Waiting for the first lesson, the boxes keep what the user typed for it.
    if (vacia)
        return;
    IrALinea(base.Existe(lineaActual) ? lineaActual : 1);
    PonerCuentaObjetos(TextoObjetosContenidos(base.NumLineas));
    // The first lesson redone.
    if (fase != Fase::FueraDeJuego)
        PonerFase(Fase::FueraDeJuego);
}

bool Juego::BaseVacia() const
{
    return documento.EsArchivoNuevo() && base.NumLineas == 1 && !base.EsPregunta(1) && base.TextoLinea[1].isEmpty();
}

void Juego::PonerFase(Fase nueva)
{
    // Only a new document enters learning mode with no game before it.
    primeraLeccion = primeraLeccion && nueva == Fase::Aprendiendo;
    fase = nueva;
    emit FaseCambiada();
}

void Juego::IrALinea(qint16 n)
{
    lineaActual = n;
    fila = {QString::number(n), QString::number(base.Enlace(n, true)), QString::number(base.Enlace(n, false))};
    emit FilaCambiada();
    PonerTexto(Caja::Pregunta, base.Texto(n));
}

void Juego::PonerTexto(Caja caja, const QString &texto)
{
    textos[Indice(caja)] = texto;
    emit TextoCambiado(caja);
}

void Juego::TextoEditado(Caja caja, const QString &texto)
{
    textos[Indice(caja)] = texto;
}

void Juego::PonerFondo(Caja caja, Fondo fondo)
{
    fondos[Indice(caja)] = fondo;
    emit FondoCambiado(caja);
}

void Juego::ColoresDeJuego()
{
    PonerFondo(Caja::Objeto1, Fondo::Pregunta);
    PonerFondo(Caja::Objeto2, Fondo::Otro);
    PonerFondo(Caja::Pregunta, Fondo::Pregunta);
}

void Juego::PonerRegistro(const QString &texto)
{
    fila.registro = texto;
    emit FilaCambiada();
}

void Juego::PonerCuentaObjetos(const QString &texto)
{
    cuentaObjetos = texto;
    emit CuentaCambiada();
}
