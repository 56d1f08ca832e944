// eltarvo-tvo: checks, shows, pictures, lists and searches knowledge-base files with the game's own reader, and
// moves them to and from JSON with its writer.
#include "arbol.h"
#include "json.h"
#include "kb/escritortvo.h"
#include "objetos.h"
#include "revision.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

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
    else
        return true;
    return false;
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication aplicacion(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("eltarvo-tvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ELTARVO_VERSION));
    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral(
        "Revisa, muestra, dibuja y busca en archivos tvo de El Tarvo, y los pasa a JSON y de JSON.\n\n"
        "  check ARCHIVO...  los problemas de cada archivo, con su línea (0 limpio, 1 problemas, 2 ilegible)\n"
        "  show ARCHIVO      el árbol como texto, desde la línea 1\n"
        "  dot ARCHIVO       el árbol para Graphviz: eltarvo-tvo dot a.tvo | dot -Tsvg > a.svg\n"
        "  stats ARCHIVO     objetos, preguntas, profundidad y equilibrio\n"
        "  list ARCHIVO      los objetos en orden alfabético, con su línea\n"
        "  find ARCHIVO TEXTO  los objetos que contienen TEXTO (sin mirar mayúsculas ni acentos), con las\n"
        "                    preguntas y respuestas que llevan a cada uno (1 si no hay ninguno)\n"
        "  json ARCHIVO      el archivo entero como JSON\n"
        "  import A.json B.tvo  un archivo tvo desde ese JSON, con las líneas numeradas de nuevo\n"
        "                    (1 si el juego no podría guardarlo; B.tvo no se reemplaza sin --force)"));
    opciones.addHelpOption();
    opciones.addVersionOption();
    const QCommandLineOption reemplazar(QStringLiteral("force"), QStringLiteral("import reemplaza el archivo tvo"));
    opciones.addOption(reemplazar);
    opciones.addPositionalArgument(QStringLiteral("orden"),
                                   QStringLiteral("check, show, dot, stats, list, find, json o import"));
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
    const QStringList deUnArchivo = {"show", "dot", "stats", "list", "json"};
    if ((deUnArchivo.contains(orden) && rutas.size() == 1) || (orden == QLatin1String("find") && rutas.size() == 2)) {
        BaseConocimiento base;
        if (!EsArchivo(rutas[0]) || !LeerBase(rutas[0], base))
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
