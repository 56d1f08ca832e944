#include "lectortvo.h"

#include "errores.h"
#include "numeros.h"
#include "texto/cp1252.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace {

bool EsBlanco(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool EsDelimitador(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

// The bytes of one field, without its quotes.
struct Campo {
    const char *inicio;
    const char *fin;
    bool entreComillas;
    bool sinCerrar;
    // More than blanks between the closing quote and the delimiter: the text held a quote, and the rest is lost.
    bool sobra;
};

// Reads the field at posicion and moves past the comma or line end that ends it. Blanks and line ends
// before a field are skipped; a field that begins with a quote runs to the next quote, commas and line
// ends included, and anything between that quote and the delimiter is dropped. False at the end of file.
bool LeerCampo(const QByteArray &datos, qsizetype &posicion, Campo &campo)
{
    const char *const fin = datos.constData() + datos.size();
    const char *p = datos.constData() + posicion;
    while (p < fin && EsBlanco(*p))
        ++p;
    if (p == fin)
        return false;
    campo.entreComillas = *p == '"';
    if (campo.entreComillas) {
        campo.inicio = ++p;
        const auto *comilla = static_cast<const char *>(std::memchr(p, '"', fin - p));
        campo.fin = comilla ? comilla : fin;
        campo.sinCerrar = !comilla;
        p = comilla ? comilla + 1 : fin;
    } else {
        campo.sinCerrar = false;
        campo.inicio = p;
        while (p < fin && !EsDelimitador(*p))
            ++p;
        campo.fin = p;
    }
    const char *const resto = p;
    while (p < fin && !EsDelimitador(*p))
        ++p;
    campo.sobra = std::any_of(resto, p, [](char c) { return !EsBlanco(c); });
    if (p < fin)
        p += (*p == '\r' && p + 1 < fin && p[1] == '\n') ? 2 : 1;
    posicion = p - datos.constData();
    return true;
}

// A number field brought to the nearest whole number, a half to the even neighbour; false when it does not
// fit into 16 bits.
bool NumeroDeCampo(const char *inicio, const char *fin, qint16 &valor)
{
    return Entero16(std::nearbyint(ValorAlInicio(inicio, fin)), valor);
}

} // namespace

LectorTvo::LectorTvo(BaseConocimiento &base, QString ruta) : base(base), ruta(std::move(ruta)) {}

LectorTvo LectorTvo::DeBytes(BaseConocimiento &base, QByteArray bytes)
{
    LectorTvo lector(base, QString());
    lector.datos = std::move(bytes);
    lector.enMemoria = true;
    return lector;
}

int LectorTvo::EjecutarPaso()
{
    textoSinCerrar = false;
    textoConComilla.reset();
    int error = Error::Ninguno;
    Registro registro;
    switch (paso) {
    case Paso::Abrir:
        error = Abrir();
        break;
    case Paso::Cabecera1:
        error = LeerRegistro(registro);
        if (!error)
            base.TipoObjeto = registro.texto;
        break;
    case Paso::Cabecera2:
        error = LeerRegistro(registro);
        if (!error)
            base.Caracteristicas = registro.texto;
        break;
    case Paso::Cuenta:
        error = LeerCuenta();
        break;
    case Paso::Linea:
        error = LeerLinea();
        break;
    case Paso::Cerrar:
        abierto = false;
        break;
    case Paso::Fin:
        return Error::Ninguno;
    }
    if (!error)
        Avanzar();
    return error;
}

void LectorTvo::OmitirPaso()
{
    if (paso == Paso::Cuenta) {
        // A count that could not be read leaves no line to read.
        base.NumLineas = 0;
    } else if (paso == Paso::Linea && !BaseConocimiento::LineaUsable(lineaActual)) {
        // The line arrays end at 599: a larger count ends the reading at the 600th record.
        base.NumLineas = BaseConocimiento::MaxLineas;
    }
    Avanzar();
}

void LectorTvo::Avanzar()
{
    switch (paso) {
    case Paso::Abrir:
        paso = Paso::Cabecera1;
        break;
    case Paso::Cabecera1:
        paso = Paso::Cabecera2;
        break;
    case Paso::Cabecera2:
        paso = Paso::Cuenta;
        break;
    case Paso::Cuenta:
        PasarALinea(1);
        break;
    case Paso::Linea:
        PasarALinea(lineaActual + 1);
        break;
    case Paso::Cerrar:
    case Paso::Fin:
        paso = Paso::Fin;
        break;
    }
}

void LectorTvo::PasarALinea(int linea)
{
    lineaActual = linea;
    paso = linea <= base.NumLineas ? Paso::Linea : Paso::Cerrar;
}

int LectorTvo::ComprobarArchivo(const QString &ruta)
{
    const QFileInfo info(ruta);
    // A folder, a pipe or a device would fail late, block the open or never end.
    if (info.exists() && !info.isFile())
        return Error::AccesoRuta;
    if (info.size() > MaxBytes)
        return Error::SinMemoria;
    return Error::Ninguno;
}

int LectorTvo::Abrir()
{
    posicion = 0;
    inicioRegistro = 0;
    contadoHasta = 0;
    lineaArchivo = 1;
    if (enMemoria) {
        abierto = true;
        return Error::Ninguno;
    }
    if (const int error = ComprobarArchivo(ruta))
        return error;
    QFile archivo(ruta);
    errno = 0;
    if (!archivo.open(QIODevice::ReadOnly))
        return ErrorDesdeErrno(errno, ruta);
    // Taken from the file as opened, before its bytes: a change made while they are read shows as a change.
    huella = {archivo.size(), archivo.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch(), {}};
    datos = archivo.readAll();
    if (archivo.error() != QFileDevice::NoError)
        return Error::ErrorEntradaSalida;
    abierto = true;
    return Error::Ninguno;
}

bool LectorTvo::QuedanDatos() const
{
    return std::any_of(datos.cbegin() + posicion, datos.cend(), [](char c) { return !EsBlanco(c); });
}

int LectorTvo::LineaDelArchivo() const
{
    const qsizetype hasta = std::min(inicioRegistro, datos.size());
    if (hasta > contadoHasta) {
        lineaArchivo += static_cast<int>(std::count(datos.cbegin() + contadoHasta, datos.cbegin() + hasta, '\n'));
        contadoHasta = hasta;
    }
    return lineaArchivo;
}

int LectorTvo::LeerRegistro(Registro &registro)
{
    if (!abierto)
        return Error::NombreArchivoIncorrecto;
    inicioRegistro = posicion;
    while (inicioRegistro < datos.size() && EsBlanco(datos[inicioRegistro]))
        ++inicioRegistro;
    Campo campo;
    for (qint16 &numero : registro.numeros) {
        if (!LeerCampo(datos, posicion, campo))
            return Error::LecturaPasadoFinal;
        if (!NumeroDeCampo(campo.inicio, campo.fin, numero))
            return Error::Desbordamiento;
    }
    if (!LeerCampo(datos, posicion, campo))
        return Error::LecturaPasadoFinal;
    registro.texto = DecodificarCp1252(campo.inicio, campo.fin - campo.inicio);
    textoSinCerrar = campo.sinCerrar;
    if (campo.sobra)
        textoConComilla = registro.texto;
    // A text written without quotes may hold one inside ("dice "hola""), which the next save would turn into
    // a text that ends early; it becomes an apostrophe, as a typed quote does.
    if (!campo.entreComillas)
        registro.texto.replace(QLatin1Char('"'), QLatin1Char('\''));
    return Error::Ninguno;
}

int LectorTvo::LeerCuenta()
{
    Registro registro;
    if (const int error = LeerRegistro(registro))
        return error;
    const QByteArray texto = registro.texto.toLatin1();
    qint16 numLineas = 0;
    if (!NumeroDeCampo(texto.constData(), texto.constData() + texto.size(), numLineas))
        return Error::Desbordamiento;
    base.NumLineas = numLineas;
    return Error::Ninguno;
}

int LectorTvo::LeerLinea()
{
    if (!BaseConocimiento::LineaUsable(lineaActual))
        return Error::IndiceFueraDeRango;
    Registro registro;
    if (const int error = LeerRegistro(registro))
        return error;
    base.ValorSi[lineaActual] = registro.numeros[1];
    base.ValorNo[lineaActual] = registro.numeros[2];
    base.TextoLinea[lineaActual] = registro.texto;
    return Error::Ninguno;
}

QList<int> LectorTvo::LeerIgnorandoErrores()
{
    QList<int> errores;
    while (!Terminado()) {
        if (const int error = EjecutarPaso()) {
            errores << error;
            OmitirPaso();
        }
    }
    return errores;
}
