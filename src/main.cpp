#include "commands/modelo.h"
#include "ui/main/frmeltarvo.h"
#include "ui/main/plataformaqt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

// A command line the program cannot follow: no window, a short message and this status.
constexpr int LineaDeOrdenesIncorrecta = 2;

// The file dialog, the message boxes' buttons and the command line's help speak Spanish, like the rest of the
// program, where Qt's translations are installed.
void TraducirAlEspanol(QTranslator &traductor)
{
    if (traductor.load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traductor);
}

// Reads the command line: the file named on it, as a full native path, goes into `archivo`. --help and --version
// are answered here; they and a command line the program cannot follow give the exit status, and nothing means go
// on. Before the toolkit has taken out its own options (-platform, -style...), an error where a single-dash
// option stands is left for the second reading, since the option may be one of them.
std::optional<int> LeerLineaDeOrdenes(const QStringList &argumentos, std::optional<QString> &archivo,
                                      bool antesDelToolkit)
{
    QCommandLineParser opciones;
    opciones.setApplicationDescription(QStringLiteral("El Tarvo: un juego de adivinar que aprende."));
    const QCommandLineOption ayuda({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Muestra esta ayuda y termina."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Muestra la versión y termina."));
    opciones.addOptions({ayuda, version});
    opciones.addPositionalArgument(QStringLiteral("ARCHIVO"), QStringLiteral("el archivo tvo que se abre al empezar"),
                                   QStringLiteral("[ARCHIVO]"));
    QString error;
    if (!opciones.parse(argumentos))
        error = opciones.errorText();
    else if (opciones.positionalArguments().size() > 1)
        error = QStringLiteral("Se abre un solo archivo.");
    if (!error.isEmpty()) {
        const auto guionSimple = [](const QString &argumento) {
            return argumento.startsWith(QLatin1Char('-')) && !argumento.startsWith(QLatin1String("--"));
        };
        if (antesDelToolkit && std::any_of(argumentos.cbegin() + 1, argumentos.cend(), guionSimple))
            return std::nullopt;
        std::fprintf(stderr, "eltarvo: %s\n%s\n", qPrintable(error),
                     qPrintable(opciones.helpText().section('\n', 0, 0)));
        return LineaDeOrdenesIncorrecta;
    }
    if (opciones.isSet(ayuda)) {
        std::fputs(qPrintable(opciones.helpText()), stdout);
        return 0;
    }
    if (opciones.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()), ELTARVO_VERSION);
        return 0;
    }
    if (!opciones.positionalArguments().isEmpty())
        archivo =
            QDir::toNativeSeparators(QDir::current().absoluteFilePath(opciones.positionalArguments().constFirst()));
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    std::optional<QString> archivo;
    {
        // Help, version and a command line the program cannot follow need no window system: scripts, package
        // checks and terminals without a display call them.
        QCoreApplication nucleo(argc, argv);
        QTranslator traductor;
        TraducirAlEspanol(traductor);
        if (const std::optional<int> salida = LeerLineaDeOrdenes(nucleo.arguments(), archivo, true))
            return *salida;
    }
    QApplication aplicacion(argc, argv);
    // Window icons and grouping on desktops that find a program by its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("eltarvo"));
    QTranslator traductor;
    TraducirAlEspanol(traductor);
    if (const std::optional<int> salida = LeerLineaDeOrdenes(aplicacion.arguments(), archivo, false))
        return *salida;
    PlataformaQt plataforma;
    Recuperacion recuperacion(Recuperacion::CarpetaPorDefecto());
    ModeloElTarvo modelo(plataforma, recuperacion);
    frmElTarvo ventana(modelo);
    ventana.show();
    modelo.Arrancar(archivo);
    return modelo.Terminando() ? 0 : QApplication::exec();
}
