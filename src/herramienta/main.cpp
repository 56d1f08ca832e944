// eltarvo-tvo: checks, shows and pictures knowledge-base files with the game's own reader.
#include "arbol.h"
#include "revision.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication aplicacion(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("eltarvo-tvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ELTARVO_VERSION));
    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral(
        "Revisa, muestra y dibuja archivos tvo de El Tarvo.\n\n"
        "  check ARCHIVO...  los problemas de cada archivo, con su línea (0 limpio, 1 problemas, 2 ilegible)\n"
        "  show ARCHIVO      el árbol como texto, desde la línea 1\n"
        "  dot ARCHIVO       el árbol para Graphviz: eltarvo-tvo dot a.tvo | dot -Tsvg > a.svg\n"
        "  stats ARCHIVO     objetos, preguntas, profundidad y equilibrio"));
    opciones.addHelpOption();
    opciones.addVersionOption();
    opciones.addPositionalArgument(QStringLiteral("orden"), QStringLiteral("check, show, dot o stats"));
    opciones.addPositionalArgument(QStringLiteral("archivos"), QStringLiteral("uno o más archivos tvo"),
                                   QStringLiteral("ARCHIVO..."));
    opciones.process(aplicacion);

    const QStringList argumentos = opciones.positionalArguments();
    const QString orden = argumentos.value(0);
    const QStringList rutas = argumentos.mid(1);
    if (orden == QLatin1String("check") && !rutas.isEmpty())
        return Revisar(rutas);
    if ((orden == QLatin1String("show") || orden == QLatin1String("dot") || orden == QLatin1String("stats")) &&
        rutas.size() == 1) {
        BaseConocimiento base;
        if (!EsArchivo(rutas[0]) || !LeerBase(rutas[0], base))
            return Ilegible;
        Salir() << (orden == QLatin1String("show")  ? ArbolComoTexto(base)
                    : orden == QLatin1String("dot") ? ArbolComoDot(base)
                                                    : Estadisticas(base));
        return Limpio;
    }
    Errores() << opciones.helpText();
    return Ilegible;
}
