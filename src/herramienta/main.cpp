// eltarvo-tvo: checks, shows, pictures, lists and searches knowledge-base files with the game's own reader, moves
// them to and from JSON with its writer, and mends them in place with its mends.
#include "arbol.h"
#include "json.h"
#include "kb/enmiendas.h"
#include "kb/errores.h"
#include "kb/escritortvo.h"
#include "kb/lectortvo.h"
#include "objetos.h"
#include "revision.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace {

enum Salida { Limpio = 0, ConProblemas = 1, Ilegible = 2 };

QTextStream &Salir()
{
    static QTextStream salida(stdout);
    salida.setEncoding(QStringConverter::Utf8);
    return salida;
}

QTextStream &Errores()
{
    static QTextStream errores(stderr);
    errores.setEncoding(QStringConverter::Utf8);
    return errores;
}

// A readable message for a path that is no file to read.
bool EsArchivo(const QString &ruta)
{
    const QFileInfo info(ruta);
    if (!info.exists())
        Errores() << "eltarvo-tvo: " << ruta << ": no existe\n";
    else if (info.isDir())
        Errores() << "eltarvo-tvo: " << ruta << ": es una carpeta, no un archivo\n";
    else if (!info.isFile())
        Errores() << "eltarvo-tvo: " << ruta << ": no es un archivo corriente\n";
    else if (LectorTvo::ComprobarArchivo(ruta) == Error::SinMemoria)
        Errores() << "eltarvo-tvo: " << ruta << ": pasa de " << LectorTvo::MaxBytes / (1 << 20)
                  << " MiB: no es una base de conocimiento\n";
    else
        return true;
    return false;
}

// Reads the file as the other commands do, saying why when it cannot.
bool LeerArchivo(const QString &ruta, BaseConocimiento &base)
{
    if (!EsArchivo(ruta))
        return false;
    if (!LeerBase(ruta, base)) {
        Errores() << "eltarvo-tvo: " << ruta << ": no se puede leer\n";
        return false;
    }
    return true;
}

int Revisar(const QStringList &rutas)
{
    int resultado = Limpio;
    for (const QString &ruta : rutas) {
        if (!EsArchivo(ruta)) {
            resultado = Ilegible;
            continue;
        }
        const Revision revision = RevisarArchivo(ruta);
        for (const Problema &problema : revision.problemas)
            Salir() << ruta << ':' << problema.lineaArchivo << ": " << problema.texto << '\n';
        if (!revision.legible)
            resultado = Ilegible;
        else if (!revision.problemas.isEmpty() && resultado == Limpio)
            resultado = ConProblemas;
    }
    return resultado;
}

// Reads the JSON document, numbers it and writes it to a file that must not exist unless it may be replaced.
int Importar(const QString &json, const QString &salida, bool reemplazar)
{
    if (!EsArchivo(json))
        return Ilegible;
    QFile archivo(json);
    if (!archivo.open(QIODevice::ReadOnly)) {
        Errores() << "eltarvo-tvo: " << json << ": no se puede leer\n";
        return Ilegible;
    }
    BaseImportada importada = BaseDesdeJson(archivo.readAll());
    if (!importada.error.isEmpty()) {
        Errores() << "eltarvo-tvo: " << json << ": " << importada.error << '\n';
        return ConProblemas;
    }
    if (QFileInfo::exists(salida) && !reemplazar) {
        Errores() << "eltarvo-tvo: " << salida << ": ya existe (--force lo reemplaza)\n";
        return ConProblemas;
    }
    if (const int error = EscribirArchivoTvo(importada.base, salida)) {
        Errores() << "eltarvo-tvo: " << salida << ": no se puede escribir (error " << error << ")\n";
        return Ilegible;
    }
    return Limpio;
}

// Why line `linea` cannot be removed, or nothing when it can.
QString PorQueNoSeQuita(const BaseConocimiento &base, int linea)
{
    switch (ComprobarQuitar(base, linea)) {
    case ImpedimentoQuitar::Ninguno:
        return {};
    case ImpedimentoQuitar::NoEsObjeto:
        return QStringLiteral("la línea %1 no es un objeto").arg(linea);
    case ImpedimentoQuitar::UnicoObjeto:
        return QStringLiteral("la línea %1 es el único objeto").arg(linea);
    case ImpedimentoQuitar::SinPregunta:
        return QStringLiteral("la línea %1 no cuelga de una sola pregunta").arg(linea);
    case ImpedimentoQuitar::SinOtraRama:
        return QStringLiteral("la línea %1: la otra rama de su pregunta no lleva a ninguna otra línea").arg(linea);
    case ImpedimentoQuitar::Bucle:
        return QStringLiteral("la línea %1: la otra rama de su pregunta vuelve a la pregunta").arg(linea);
    }
    return {};
}

// "swap" or "remove" on line `numero`, the file replaced only when the mend applies.
int Enmendar(const QString &orden, const QString &ruta, const QString &numero)
{
    bool esNumero = false;
    const int linea = numero.toInt(&esNumero);
    if (!esNumero) {
        Errores() << "eltarvo-tvo: «" << numero << "» no es un número de línea\n";
        return ConProblemas;
    }
    if (!EsArchivo(ruta))
        return Ilegible;
    const Revision revision = RevisarArchivo(ruta);
    BaseConocimiento base = revision.base;
    QFile archivo(ruta);
    if (!revision.legible || !archivo.open(QIODevice::ReadOnly)) {
        Errores() << "eltarvo-tvo: " << ruta << ": no se puede leer\n";
        return Ilegible;
    }
    const bool intercambiar = orden == QLatin1String("swap");
    // The file is written again whole, in the program's own form: what the reader cut or skipped would be lost.
    const auto perdida = std::find_if(revision.problemas.cbegin(), revision.problemas.cend(),
                                      [](const Problema &problema) { return problema.seReescribeDistinto; });
    QString impedimento;
    if (perdida != revision.problemas.cend())
        impedimento = QStringLiteral("línea %1: %2").arg(perdida->lineaArchivo).arg(perdida->texto);
    else if (!base.Existe(linea))
        impedimento =
            QStringLiteral("la línea %1 no existe: el archivo tiene %2 líneas").arg(linea).arg(base.NumLineas);
    else if (intercambiar && !PuedeIntercambiarse(base, linea))
        impedimento = QStringLiteral("la línea %1 no es una pregunta").arg(linea);
    else if (!intercambiar)
        impedimento = PorQueNoSeQuita(base, linea);
    if (!impedimento.isEmpty()) {
        Errores() << "eltarvo-tvo: " << impedimento << '\n';
        return ConProblemas;
    }
    BaseConocimiento tal = base;
    const bool enOtraForma = archivo.readAll() != CodificarArchivoTvo(tal);
    QString hecho;
    if (intercambiar) {
        IntercambiarSiNo(base, linea);
        hecho = QStringLiteral("Línea %1: Sí y No intercambiados").arg(linea);
    } else {
        hecho = QStringLiteral("Quitado «%1» (línea %2) y la pregunta de la línea %3")
                    .arg(EnUnaLinea(base.Texto(linea)))
                    .arg(linea)
                    .arg(PreguntaEncima(base, linea));
        QuitarObjeto(base, linea);
        hecho += QStringLiteral("; el archivo tiene ahora %1 líneas").arg(base.NumLineas);
    }
    if (const int error = EscribirArchivoTvo(base, ruta)) {
        Errores() << "eltarvo-tvo: " << ruta << ": no se puede escribir (error " << error << ")\n";
        return Ilegible;
    }
    Salir() << hecho << '\n';
    // Line ends, a count without its blank, blank lines at the end: the file now has the form the game writes.
    if (enOtraForma)
        Salir() << "escrito en el formato de El Tarvo: finales CR LF\n";
    return Limpio;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication aplicacion(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("eltarvo-tvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ELTARVO_VERSION));
    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral(
        "Revisa, muestra, dibuja y busca en archivos tvo de El Tarvo, los pasa a JSON y de JSON, y los enmienda.\n\n"
        "  check ARCHIVO...  los problemas de cada archivo, con su línea (0 limpio, 1 problemas, 2 ilegible)\n"
        "  show ARCHIVO      el árbol como texto, desde la línea 1\n"
        "  dot ARCHIVO       el árbol para Graphviz: eltarvo-tvo dot a.tvo | dot -Tsvg > a.svg\n"
        "  stats ARCHIVO     objetos, preguntas, profundidad y equilibrio\n"
        "  list ARCHIVO      los objetos en orden alfabético, con su línea\n"
        "  find ARCHIVO TEXTO  los objetos que contienen TEXTO (sin mirar mayúsculas ni acentos), con las\n"
        "                    preguntas y respuestas que llevan a cada uno (1 si no hay ninguno)\n"
        "  json ARCHIVO      el archivo entero como JSON\n"
        "  import A.json B.tvo  un archivo tvo desde ese JSON, con las líneas numeradas de nuevo\n"
        "                    (1 si el juego no podría guardarlo; B.tvo no se reemplaza sin --force)\n"
        "  swap ARCHIVO LINEA  intercambia los enlaces Sí y No de la pregunta de esa línea\n"
        "  remove ARCHIVO LINEA  quita el objeto de esa línea y la pregunta de encima, cuya otra rama ocupa su\n"
        "                    lugar, y numera de nuevo las líneas\n"
        "                    (swap y remove reescriben ARCHIVO; 1 si no se puede, y entonces no lo tocan)"));
    opciones.addHelpOption();
    opciones.addVersionOption();
    const QCommandLineOption reemplazar(QStringLiteral("force"), QStringLiteral("import reemplaza el archivo tvo"));
    opciones.addOption(reemplazar);
    opciones.addPositionalArgument(QStringLiteral("orden"),
                                   QStringLiteral("check, show, dot, stats, list, find, json, import, swap o remove"));
    opciones.addPositionalArgument(QStringLiteral("archivos"), QStringLiteral("uno o más archivos tvo"),
                                   QStringLiteral("ARCHIVO..."));
    opciones.process(aplicacion);

    const QStringList argumentos = opciones.positionalArguments();
    const QString orden = argumentos.value(0);
    const QStringList rutas = argumentos.mid(1);
    if (orden == QLatin1String("check") && !rutas.isEmpty())
        return Revisar(rutas);
    if (orden == QLatin1String("import") && rutas.size() == 2)
        return Importar(rutas[0], rutas[1], opciones.isSet(reemplazar));
    if ((orden == QLatin1String("swap") || orden == QLatin1String("remove")) && rutas.size() == 2)
        return Enmendar(orden, rutas[0], rutas[1]);
    const QStringList deUnArchivo = {"show", "dot", "stats", "list", "json"};
    if ((deUnArchivo.contains(orden) && rutas.size() == 1) || (orden == QLatin1String("find") && rutas.size() == 2)) {
        BaseConocimiento base;
        if (!LeerArchivo(rutas[0], base))
            return Ilegible;
        if (orden == QLatin1String("find")) {
            const QString encontrados = BuscarObjetos(base, rutas[1]);
            if (encontrados.isEmpty()) {
                Errores() << "eltarvo-tvo: ningún objeto contiene «" << rutas[1] << "»\n";
                return ConProblemas;
            }
            Salir() << encontrados;
            return Limpio;
        }
        Salir() << (orden == QLatin1String("show")    ? ArbolComoTexto(base)
                    : orden == QLatin1String("dot")   ? ArbolComoDot(base)
                    : orden == QLatin1String("stats") ? Estadisticas(base)
                    : orden == QLatin1String("list")  ? ListaDeObjetos(base)
                                                      : QString::fromUtf8(BaseComoJson(base)));
        return Limpio;
    }
    Errores() << opciones.helpText();
    return Ilegible;
}
