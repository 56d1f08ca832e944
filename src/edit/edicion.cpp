#include "edicion.h"

#include "kb/numeros.h"
#include "texto/codigos.h"
#include "texto/cp1252.h"

#include <QStringList>

#include <cmath>

namespace {

// How the quote message names each box, in the order of Caja.
const char *const NombresEnMensaje[] = {"Objeto 1", "Objeto 2", "Pregunta", "Tipo de objeto", "Características"};

} // namespace

Edicion::Edicion(Documento &documento, Juego &juego, Plataforma &plataforma)
    : documento(documento), base(documento.Base()), juego(juego), plataforma(plataforma)
{
}

void Edicion::Tecla(Caja caja, int &codigo)
{
    if (codigo == Codigo::Comilla)
        codigo = Codigo::Apostrofo;
    // Every typed character counts, also one that changes nothing (Ctrl+C). Typing during a game or a learning
    // step changes no line of the document.
    if (EsCabecera(caja) || (caja == Caja::Pregunta && juego.FaseActual() == Fase::FueraDeJuego))
        documento.CambioPendiente();
}

bool Edicion::Salir(Caja caja)
{
    const QString texto = Texto(caja);
    const QString cortado = CortarTexto(texto, Corte::SinPartirSaltos);
    if (cortado.size() != texto.size())
        juego.PonerTexto(caja, cortado);
    if (!Admitir({caja}))
        return false;
    // An edit made without typing a character (Delete, a paste with the mouse, a drop) changes the document as much
    // as a typed one does; a visit that leaves the text as it was changes nothing.
    if (EsCabecera(caja))
        documento.CambiarCabecera(caja == Caja::TipoObjeto ? Documento::Cabecera::TipoObjeto
                                                           : Documento::Cabecera::Caracteristicas,
                                  Texto(caja));
    // During a game the box shows the program's question, and during a lesson the question to be taught, not an
    // edit of the line; a file can have no lines.
    else if (caja == Caja::Pregunta && juego.FaseActual() != Fase::Jugando && !juego.ModoAprender())
        documento.CambiarTexto(juego.LineaActual(), Texto(caja));
    return true;
}

bool Edicion::Admitir(std::initializer_list<Caja> cajas)
{
    if (!SinComillas(cajas))
        return false;
    for (Caja caja : cajas)
        CambiarCaracteresFueraDeCp1252(caja);
    return true;
}

// A file holds Windows-1252 only: the box shows what a save will keep, and the user is told what changed.
void Edicion::CambiarCaracteresFueraDeCp1252(Caja caja)
{
    // A message that names this many characters still fits on a screen.
    constexpr int MaxNombrados = 40;
    const QString fuera = CaracteresFueraDeCp1252(Texto(caja));
    if (fuera.isEmpty())
        return;
    QStringList nombrados;
    for (const char32_t c : fuera.toUcs4().mid(0, MaxNombrados))
        nombrados << QString::fromUcs4(&c, 1);
    if (fuera.toUcs4().size() > MaxNombrados)
        nombrados << QStringLiteral("…");
    plataforma.Mensaje(QStringLiteral("El texto ") + QString::fromUtf8(NombresEnMensaje[static_cast<int>(caja)]) +
                           QStringLiteral(" tiene caracteres que un archivo tvo no puede guardar: ") +
                           nombrados.join(QLatin1Char(' ')) + QStringLiteral(". Cada uno se cambia por el signo «?»."),
                       QStringLiteral("Caracteres no admitidos"), Plataforma::Botones::Aceptar,
                       Plataforma::Icono::Exclamacion);
    juego.PonerTexto(caja, ComoEnCp1252(Texto(caja)));
}

bool Edicion::SinComillas(std::initializer_list<Caja> cajas)
{
    for (Caja caja : cajas) {
        if (Texto(caja).contains(QLatin1Char('"'))) {
            plataforma.Mensaje(QStringLiteral("Quite las comillas del texto ") +
                                   QString::fromUtf8(NombresEnMensaje[static_cast<int>(caja)]),
                               QStringLiteral("Comillas encontradas"), Plataforma::Botones::Aceptar,
                               Plataforma::Icono::Error);
            return false;
        }
    }
    return true;
}

std::optional<qint16> Edicion::NumeroDeLinea(const QString &texto)
{
    const QByteArray bytes = texto.toLatin1();
    qint16 numero = 0;
    if (!Entero16(std::floor(ValorAlInicio(bytes.constData(), bytes.constData() + bytes.size())), numero))
        return std::nullopt;
    return numero;
}

void Edicion::TeclaRegistro(int codigo)
{
    if (codigo == Codigo::Intro)
        Validar();
}

void Edicion::Validar()
{
    const std::optional<qint16> numero = NumeroDeLinea(juego.FilaMostrada().registro);
    if (!numero || *numero < 1 || *numero > base.NumLineas || !BaseConocimiento::LineaUsable(*numero))
        juego.PonerRegistro(QString::number(juego.LineaActual()));
    else
        juego.IrALinea(*numero);
}

void Edicion::IrAPrimera()
{
    MostrarNumero(1);
}

void Edicion::IrAAnterior()
{
    MostrarNumero(NumeroDeLinea(juego.FilaMostrada().registro).value_or(juego.LineaActual()) - 1);
}

void Edicion::IrASiguiente()
{
    MostrarNumero(NumeroDeLinea(juego.FilaMostrada().registro).value_or(juego.LineaActual()) + 1);
}

void Edicion::IrAUltima()
{
    MostrarNumero(base.NumLineas);
}

// The buttons put a number into the box and validate it, so they stop at the ends instead of wrapping.
void Edicion::MostrarNumero(int numero)
{
    if (!ControlesDe(juego.FaseActual()).navegador)
        return;
    juego.PonerRegistro(QString::number(numero));
    Validar();
}
