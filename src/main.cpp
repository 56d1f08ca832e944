#include "commands/modelo.h"
#include "ui/main/frmeltarvo.h"
#include "ui/main/plataformaqt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

namespace {

// A command line the program cannot follow: no window, a short message and this status.
constexpr int LineaDeOrdenesIncorrecta = 2;

// Reads the command line: the file named on it, as a full native path, goes into `archivo`. --help and --version
// are answered here and end the program; a command line it cannot follow gives its exit status, and 0 means go on.
int LeerLineaDeOrdenes(const QApplication &aplicacion, std::optional<QString> &archivo)
{
    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral("El Tarvo: un juego de adivinar que aprende."));
    opciones.addHelpOption();
    opciones.addVersionOption();
    opciones.addPositionalArgument(QStringLiteral("ARCHIVO"), QStringLiteral("el archivo tvo que se abre al empezar"),
                                   QStringLiteral("[ARCHIVO]"));
    QString error;
    if (!opciones.parse(aplicacion.arguments()))
        error = opciones.errorText();
    else if (opciones.positionalArguments().size() > 1)
        error = QStringLiteral("Se abre un solo archivo.");
    if (!error.isEmpty()) {
        std::fprintf(stderr, "eltarvo: %s\n%s\n", qPrintable(error),
                     qPrintable(opciones.helpText().section('\n', 0, 0)));
        return LineaDeOrdenesIncorrecta;
    }
    if (opciones.isSet(QStringLiteral("help")))
        opciones.showHelp();
    if (opciones.isSet(QStringLiteral("version")))
        opciones.showVersion();
    if (!opciones.positionalArguments().isEmpty())
        archivo =
            QDir::toNativeSeparators(QDir::current().absoluteFilePath(opciones.positionalArguments().constFirst()));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(ELTARVO_VERSION));
    // The file dialog and the command line's help speak Spanish, like the rest of the program, where Qt's
    // translations are installed.
    QTranslator traductor;
    if (traductor.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductor);
    std::optional<QString> archivo;
    if (const int salida = LeerLineaDeOrdenes(aplicacion, archivo))
        return salida;
    PlataformaQt plataforma;
    Recuperacion recuperacion(Recuperacion::CarpetaPorDefecto());
    ModeloElTarvo modelo(plataforma, recuperacion);
    frmElTarvo ventana(modelo);
    ventana.show();
    modelo.Arrancar(archivo);
    return modelo.Terminando() ? 0 : QApplication::exec();
}
