// Measures the program's real work against the floor that the machine and the toolkit set, in the same run:
// each figure is the median of several repetitions, ours and the floor interleaved, on files generated here.
#include "arbol/modeloarbol.h"
#include "kb/escritortvo.h"
#include "kb/lectortvo.h"
#include "recuperacion/recuperacion.h"
#include "texto/cp1252.h"
#include "ui/controles/apariencia.h"
#include "ui/main/disposicion.h"
#include "ui/main/frmeltarvo.h"
#include "ui/main/plataformaqt.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <unistd.h>

namespace {

constexpr int Repeticiones = 5;
// A process start varies by some milliseconds from one to the next: many of them make a steady median.
constexpr int RepeticionesDeArranque = 31;

// Answers the file dialog with a preset path, the save question with No, the overwrite question with Yes and
// every error with Ignore.
class PlataformaBanco : public Plataforma
{
public:
    QString archivo;
    Respuesta Mensaje(const QString &, const QString &, Botones botones, Icono) override
    {
        return botones == Botones::SiNoCancelar ? Respuesta::No
               : botones == Botones::SiNo       ? Respuesta::Si
                                                : Respuesta::Omitir;
    }
    std::optional<QString> ElegirArchivo(Dialogo, const QString &, const QString &) override { return archivo; }
    void Pitido() override {}
    QString CarpetaPrograma() const override { return QCoreApplication::applicationDirPath(); }
    void TerminarPrograma() override {}
};

// Mixed Spanish text without a single line break, cut to the given length.
QString TextoMixto(int largo, int semilla)
{
    static const char *const palabras[] = {"árbol",  "camión", "pequeño",  "¿vuela?", "el",
                                           "animal", "caña",   "pingüino", "acción",  "y",
                                           "más",    "rápido", "ñandú",    "—",       "«dice»"};
    QString texto;
    for (int i = semilla; texto.size() < largo; ++i)
        texto += QString::fromUtf8(palabras[(i * 7) % 15]) + QLatin1Char(' ');
    return texto.left(largo);
}

BaseConocimiento BaseMaxima()
{
    BaseConocimiento base;
    base.TipoObjeto = QStringLiteral("Objetos");
    base.Caracteristicas = QStringLiteral("Una base máxima");
    base.NumLineas = BaseConocimiento::MaxLineas;
    for (int k = 1; k <= BaseConocimiento::MaxLineas; ++k)
        base.TextoLinea[k] = TextoMixto(BaseConocimiento::MaxTexto, k);
    return base;
}

// 300 objects under 299 questions, each question k asking with 2k and 2k + 1.
BaseConocimiento ArbolEquilibrado()
{
    BaseConocimiento base;
    base.NumLineas = BaseConocimiento::MaxLineas;
    for (int k = 1; k <= BaseConocimiento::MaxLineas; ++k) {
        if (2 * k + 1 <= BaseConocimiento::MaxLineas) {
            base.ValorSi[k] = static_cast<qint16>(2 * k);
            base.ValorNo[k] = static_cast<qint16>(2 * k + 1);
        }
        base.TextoLinea[k] = TextoMixto(80, k);
    }
    return base;
}

// 599 lines that each ask one question more: No always leads to the next question.
BaseConocimiento Escalera()
{
    BaseConocimiento base;
    base.NumLineas = BaseConocimiento::MaxLineas;
    for (int k = 1; k + 2 <= BaseConocimiento::MaxLineas; k += 2) {
        base.ValorSi[k] = static_cast<qint16>(k + 1);
        base.ValorNo[k] = static_cast<qint16>(k + 2);
    }
    for (int k = 1; k <= BaseConocimiento::MaxLineas; ++k)
        base.TextoLinea[k] = TextoMixto(60, k);
    return base;
}

void Escribir(const QString &ruta, const QByteArray &bytes)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(ruta));
}

QByteArray Leer(const QString &ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(ruta));
    return archivo.readAll();
}

double Mediana(std::vector<double> valores)
{
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

double Milisegundos(const std::function<void()> &trabajo)
{
    QElapsedTimer reloj;
    reloj.start();
    trabajo();
    return reloj.nsecsElapsed() / 1e6;
}

int cifras = 0;
int dentro = 0;

// A target of 0 marks a figure printed for comparison with earlier runs only, which counts for nothing.
void Informar(const char *nombre, double nuestra, double suelo, double objetivo, const char *unidad)
{
    const double razon = suelo > 0 ? nuestra / suelo : nuestra;
    const bool ok = objetivo <= 0 || razon <= objetivo;
    cifras += objetivo > 0 ? 1 : 0;
    dentro += ok && objetivo > 0 ? 1 : 0;
    if (objetivo <= 0)
        std::printf("%-9s ours=%.1f%s  floor=%.1f%s  ratio=%.2f  (for comparison with earlier runs)\n", nombre, nuestra,
                    unidad, suelo, unidad, razon);
    else if (suelo > 0)
        std::printf("%-9s ours=%.1f%s  floor=%.1f%s  ratio=%.2f  target<=%.2f  %s\n", nombre, nuestra, unidad, suelo,
                    unidad, razon, objetivo, ok ? "ok" : "FAIL");
    else
        std::printf("%-9s ours=%.1f%s  floor=-  ratio=-  target<=%.0f%s  %s\n", nombre, nuestra, unidad, objetivo,
                    unidad, ok ? "ok" : "FAIL");
    std::fflush(stdout);
}

// Ours and the floor, interleaved, each the median of its repetitions; preparar runs untimed before each of ours.
void Comparar(
    const char *nombre, double objetivo, const std::function<void()> &nuestro, const std::function<void()> &suelo,
    int repeticiones = Repeticiones, const std::function<void()> &preparar = [] {})
{
    // The files that earlier figures wrote go to disk now, not while this figure is timed.
    sync();
    std::vector<double> nuestros, suelos;
    for (int i = 0; i < repeticiones; ++i) {
        // Each goes first in turn, so that neither always meets the caches as the other left them.
        if (i % 2 == 0) {
            preparar();
            nuestros.push_back(Milisegundos(nuestro));
        }
        suelos.push_back(Milisegundos(suelo));
        if (i % 2 == 1) {
            preparar();
            nuestros.push_back(Milisegundos(nuestro));
        }
    }
    Informar(nombre, Mediana(nuestros), Mediana(suelos), objetivo, "ms");
}

void Procesar()
{
    QCoreApplication::processEvents();
}

// The main window over the benchmark's platform, shown (offscreen) and out of play after a first learning step.
struct Ventana {
    PlataformaBanco plataforma;
    QTemporaryDir estado;
    Recuperacion recuperacion{estado.path()};
    ModeloElTarvo modelo{plataforma, recuperacion};
    frmElTarvo ventana{modelo};
    Ventana()
    {
        ventana.show();
        modelo.Responder(true);
        Procesar();
    }
    void Pulsar(const char *boton)
    {
        ventana.findChild<QPushButton *>(QLatin1String(boton))->click();
        Procesar();
    }
    void Abrir(const QString &ruta)
    {
        plataforma.archivo = ruta;
        Pulsar("cmdTvoDeDisco");
    }
};

// The peak resident memory of this process since its exec, from /proc: getrusage() would report the
// benchmark's own peak, which a child inherits across exec.
long PicoMemoriaKb()
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read /proc/self/status");
    for (QByteArray linea = estado.readLine(); !linea.isEmpty(); linea = estado.readLine())
        if (linea.startsWith("VmHWM:"))
            return linea.mid(6).trimmed().split(' ').value(0).toLong();
    qFatal("no VmHWM in /proc/self/status");
}

// Ends the program once the window it watches has drawn its first frame: its first paint, and the flush that
// follows it within the same event.
class TrasPrimerCuadro : public QObject
{
protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        return QObject::eventFilter(objeto, evento);
    }
};

// Notes the first paint of the widget it watches.
class PrimeraPintura : public QObject
{
public:
    bool pintada = false;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        pintada = pintada || evento->type() == QEvent::Paint;
        return QObject::eventFilter(objeto, evento);
    }
};

// The main window as plain toolkit parts: every control of the layout at its place with its caption and the text
// it shows at start, in the program's font; no pictures, no model, no file read, none of the window's code.
void PiezasDeLaVentana(QWidget &ventana)
{
    const QHash<QString, QString> textos = {
        {"txtObjeto1", "Objeto #1 - Escriba aquí el primer objeto (Escriba aquí el objeto pensado)\r\n"},
        {"txtObjeto2", "Objeto #2 - Escriba aquí el segundo objeto"},
        {"txtPreguntaUsr", "Pregunta usuario - Escriba aquí la pregunta. Luego conteste pulsando en Si o No"},
        {"txtTipoObjeto", "Objeto (tipo de objeto)"},
        {"txtCarac", "Características (del archivo)"},
        {"lblTituloTvo", "El archivo tvo contiene 0 objetos"},
        {"lblNomArchTvo", QCoreApplication::applicationDirPath() + "/Nuevo.tvo"},
        {"txtRegistro", "1"},
        {"RichTextBox1",
         "0,0,0,\"Objeto (tipo de objeto)\"\n0,0,0,\"Características del archivo\"\n0,0,0,\" 1\"\n1,0,0,\"\""}};
    ventana.setFixedSize(RectanguloTwips(0, 0, TwipsDeVentana.width(), TwipsDeVentana.height()).size());
    QFont letra = ventana.font();
    letra.setPointSizeF(8);
    ventana.setFont(letra);
    QHash<QString, QWidget *> creados;
    int cuantos = 0;
    const Lugar *lugares = Disposicion(cuantos);
    for (const Lugar &lugar : std::vector<Lugar>(lugares, lugares + cuantos)) {
        QWidget *padre = lugar.contenedor ? creados.value(QLatin1String(lugar.contenedor)) : &ventana;
        const QString texto = textos.value(QLatin1String(lugar.nombre), QString::fromUtf8(lugar.texto));
        QWidget *control = nullptr;
        switch (lugar.clase) {
        case Lugar::Marco:
            control = new QGroupBox(texto, padre);
            break;
        case Lugar::Caja:
        case Lugar::Visor:
            control = new QPlainTextEdit(texto, padre);
            break;
        case Lugar::Etiqueta: {
            auto *etiqueta = new QLabel(texto, padre);
            etiqueta->setWordWrap(true);
            control = etiqueta;
            break;
        }
        case Lugar::Numero:
            control = new QLineEdit(texto, padre);
            break;
        case Lugar::Boton:
        case Lugar::BotonConDibujo:
            control = new QPushButton(texto, padre);
            break;
        }
        control->setGeometry(
            RectanguloTwips(lugar.twips.x(), lugar.twips.y(), lugar.twips.width(), lugar.twips.height()));
        creados.insert(QLatin1String(lugar.nombre), control);
    }
}

// The child processes of the start-up and memory figures: "ventana" starts the program's window with the real
// platform, "vacia" a bare window of the same size, and both end before a frame is drawn; "ventana-pintada",
// "piezas-pintada" (the same window of plain toolkit parts) and "etiqueta-pintada" (a window that shows one caption
// in the program's font) end after their first frame. "memoria" also opens a file in the window first.
int Hijo(const QString &modo, const QString &archivo, int argc, char **argv)
{
    QApplication aplicacion(argc, argv);
    if (modo == QLatin1String("memoria")) {
        Ventana ventana;
        ventana.Abrir(archivo);
        std::printf("%ld\n", PicoMemoriaKb());
        return 0;
    }
    PlataformaQt real;
    // A folder without copies, as most starts find it; never the user's own.
    Recuperacion recuperacion(QDir::temp().filePath(QStringLiteral("eltarvo-bench-sin-copias")));
    std::unique_ptr<ModeloElTarvo> modelo;
    std::unique_ptr<QWidget> ventana;
    if (modo.startsWith(QLatin1String("ventana"))) {
        modelo = std::make_unique<ModeloElTarvo>(real, recuperacion);
        ventana = std::make_unique<frmElTarvo>(*modelo);
    } else {
        ventana = std::make_unique<QWidget>();
        ventana->resize(644, 488);
    }
    if (modo == QLatin1String("piezas-pintada"))
        PiezasDeLaVentana(*ventana);
    if (modo == QLatin1String("etiqueta-pintada")) {
        QFont letra = ventana->font();
        letra.setPointSizeF(8);
        ventana->setFont(letra);
        new QLabel(QStringLiteral("El archivo tvo contiene 0 objetos"), ventana.get());
    }
    TrasPrimerCuadro primerCuadro;
    const bool pintada = modo.endsWith(QLatin1String("-pintada"));
    if (pintada)
        ventana->installEventFilter(&primerCuadro);
    ventana->show();
    if (modelo)
        modelo->Arrancar(std::nullopt);
    if (modo == QLatin1String("vacia-memoria")) {
        Procesar();
        std::printf("%ld\n", PicoMemoriaKb());
        return 0;
    }
    // As quit() did before the window asked on closing: the window goes before its first frame is drawn.
    if (!pintada)
        QTimer::singleShot(0, &aplicacion, [&ventana] {
            ventana->hide();
            QCoreApplication::exit(0);
        });
    return QApplication::exec();
}

QByteArray Hijo(const QString &modo, const QString &archivo = QString())
{
    QProcess hijo;
    hijo.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hijo"), modo, archivo});
    hijo.waitForFinished(-1);
    return hijo.readAllStandardOutput().trimmed();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 4 && QByteArray(argv[1]) == "--hijo") {
        int cuenta = 1;
        return Hijo(QString::fromLatin1(argv[2]), QString::fromLocal8Bit(argv[3]), cuenta, argv);
    }
    QApplication aplicacion(argc, argv);
    QTemporaryDir carpeta;
    const QString maxima = carpeta.filePath(QStringLiteral("maxima.tvo"));
    // A second maximal file with other bytes on every line: every timed opening lays out a whole new file, as
    // opening another of a user's files would.
    const QString otraMaxima = carpeta.filePath(QStringLiteral("otra-maxima.tvo"));
    const QString larga = carpeta.filePath(QStringLiteral("larga.tvo"));
    {
        BaseConocimiento base = BaseMaxima();
        Escribir(maxima, CodificarArchivoTvo(base));
        for (int k = 1; k <= BaseConocimiento::MaxLineas; ++k)
            base.TextoLinea[k] = TextoMixto(BaseConocimiento::MaxTexto, k + 1);
        Escribir(otraMaxima, CodificarArchivoTvo(base));
        Escribir(larga,
                 "0,0,0,\"Larga\"\r\n0,0,0,\"\"\r\n0,0,0,\" 1\"\r\n1,0,0,\"" + QByteArray(1 << 20, 'x') + "\"\r\n");
    }
    std::printf("maximal base: %.1f MB\n", QFile(maxima).size() / 1e6);

    Comparar(
        "parse", 2.0,
        [&] {
            BaseConocimiento base;
            LectorTvo lector(base, maxima);
            while (!lector.Terminado())
                lector.EjecutarPaso();
        },
        [&] { DecodificarCp1252(Leer(maxima)); });

    {
        Ventana nuestra;
        QPlainTextEdit desnudo;
        desnudo.resize(297, 217);
        desnudo.show();
        int apertura = 0;
        Comparar(
            "open", 1.1, [&] { nuestra.Abrir(++apertura % 2 ? maxima : otraMaxima); },
            [&] {
                desnudo.setPlainText(DecodificarCp1252(Leer(apertura % 2 ? maxima : otraMaxima)));
                Procesar();
            });

        // The file is named once through "Guardar como...", and line 300 stays on view.
        nuestra.plataforma.archivo = carpeta.filePath(QStringLiteral("guardada.tvo"));
        nuestra.Pulsar("cmdGuardarComo");
        Edicion &cajas = nuestra.modelo.Cajas();
        cajas.RegistroEditado(QStringLiteral("300"));
        cajas.Validar();
        const QByteArray bytes = Leer(maxima);
        const QString suelo = carpeta.filePath(QStringLiteral("suelo.tvo"));
        const auto escrituraAtomica = [&] {
            QSaveFile archivo(suelo);
            archivo.open(QIODevice::WriteOnly);
            archivo.write(bytes);
            archivo.commit();
        };
        // An edit of line 300, left in its box: the recovery copy is written.
        int editado = 0;
        const auto editar = [&] {
            QString texto = nuestra.modelo.Base().TextoLinea[300];
            texto[0] = QLatin1Char('a' + editado++ % 26);
            cajas.TextoEditado(Caja::Pregunta, texto);
            cajas.Salir(Caja::Pregunta);
        };
        Comparar("copy", 1.5, editar, escrituraAtomica);
        // The edit before each save, untimed, so that the file written differs from the one on view. A save also
        // compares the file with what it last wrote there: a steadier median of more repetitions tells its cost.
        Comparar(
            "save", 1.3, [&] { nuestra.Pulsar("cmdGuardar"); }, escrituraAtomica, 2 * Repeticiones + 1, editar);

        QPlainTextEdit sinAjuste;
        sinAjuste.setLineWrapMode(QPlainTextEdit::NoWrap);
        sinAjuste.resize(297, 217);
        sinAjuste.show();
        Comparar(
            "longline", 1.5, [&] { nuestra.Abrir(larga); },
            [&] {
                sinAjuste.setPlainText(DecodificarCp1252(Leer(larga)));
                Procesar();
            });
    }

    // To the first painted frame, against the same window of plain toolkit parts: what our controls, pictures and
    // model add to what the toolkit needs to draw forty controls.
    Comparar(
        "frame", 1.15, [] { Hijo(QStringLiteral("ventana-pintada")); }, [] { Hijo(QStringLiteral("piezas-pintada")); },
        RepeticionesDeArranque);
    // The figure of earlier runs: against a window that shows one caption.
    Comparar(
        "frame1", 0, [] { Hijo(QStringLiteral("ventana-pintada")); }, [] { Hijo(QStringLiteral("etiqueta-pintada")); },
        RepeticionesDeArranque);
    // The figure of earlier runs: to the window's creation, against a window that draws no text.
    Comparar(
        "startup", 0, [] { Hijo(QStringLiteral("ventana")); }, [] { Hijo(QStringLiteral("vacia")); },
        RepeticionesDeArranque);

    {
        // Games down the balanced tree (Si and No in turn) and down the ladder (No to each question).
        const QString arboles[] = {carpeta.filePath(QStringLiteral("arbol.tvo")),
                                   carpeta.filePath(QStringLiteral("escalera.tvo"))};
        BaseConocimiento arbol = ArbolEquilibrado();
        BaseConocimiento escalera = Escalera();
        Escribir(arboles[0], CodificarArchivoTvo(arbol));
        Escribir(arboles[1], CodificarArchivoTvo(escalera));
        Ventana nuestra;
        std::vector<double> pasos;
        for (int i = 0; i < Repeticiones; ++i) {
            const bool enEscalera = i % 2 == 1;
            nuestra.Abrir(arboles[i % 2]);
            nuestra.Pulsar("cmdJugar");
            int clics = 0;
            const double total = Milisegundos([&] {
                for (; nuestra.modelo.Base().EsPregunta(nuestra.modelo.ElJuego().LineaActual()); ++clics)
                    nuestra.Pulsar(enEscalera || clics % 2 ? "cmdNo" : "cmdSi");
            });
            pasos.push_back(total * 1000 / std::max(clics, 1));
            nuestra.Pulsar("cmdParar");
        }
        Informar("step", Mediana(pasos), 0, 1000, "us");
    }

    {
        // The tree window's first screen over the maximal base: the model built, its first two levels expanded and
        // the view drawn once.
        const BaseConocimiento base = BaseMaxima();
        QTreeView vista;
        vista.resize(420, 480);
        vista.show();
        Procesar();
        PrimeraPintura pintura;
        vista.viewport()->installEventFilter(&pintura);
        std::vector<double> arboles;
        for (int i = 0; i < Repeticiones; ++i) {
            std::unique_ptr<ModeloArbol> modelo;
            pintura.pintada = false;
            arboles.push_back(Milisegundos([&] {
                modelo = std::make_unique<ModeloArbol>(base);
                vista.setModel(modelo.get());
                vista.expandToDepth(1);
                while (!pintura.pintada)
                    Procesar();
            }));
            vista.setModel(nullptr);
        }
        Informar("tree", Mediana(arboles), 0, 50, "ms");
    }

    {
        std::vector<double> nuestras, suelos;
        const double archivoKb = QFile(maxima).size() / 1024.0;
        for (int i = 0; i < Repeticiones; ++i) {
            nuestras.push_back(Hijo(QStringLiteral("memoria"), maxima).toDouble());
            suelos.push_back(Hijo(QStringLiteral("vacia-memoria")).toDouble() + archivoKb);
        }
        Informar("rss", Mediana(nuestras) / 1024, Mediana(suelos) / 1024, 4.0, "MB");
    }

    std::printf("ratios: %d/%d within target\n", dentro, cifras);
    return dentro == cifras ? 0 : 1;
}
