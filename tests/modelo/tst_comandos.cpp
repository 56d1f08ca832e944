#include "apoyo/pruebademodelo.h"
#include "apoyo/util.h"
#include "kb/escritortvo.h"

#include <QDir>
#include <QTest>

using R = Plataforma::Respuesta;

namespace {

QByteArray ArchivoDe(BaseConocimiento base)
{
    return CodificarArchivoTvo(base);
}

const QString Guardar = QStringLiteral("<Guardar archivo tvo>");
const QString AbrirTvo = QStringLiteral("<Abrir archivo tvo>");

} // namespace

class TestComandos : public PruebaDeModelo
{
    Q_OBJECT
private slots:
    void startsWithANewDocument_data();
    void startsWithANewDocument();
    void savesThroughTheDialogUntilTheDocumentHasAFile();
    void saveAsOntoAnExistingFileAsksFirst();
    void failedSavesAskToContinueAndKeepTheOldFile_data();
    void failedSavesAskToContinueAndKeepTheOldFile();
    void opensAFileAndShowsItsFirstLine();
    void theSaveQuestionBeforeDiscarding_data();
    void theSaveQuestionBeforeDiscarding();
    void brokenFilesOpenWithTheirErrors_data();
    void brokenFilesOpenWithTheirErrors();
    void exitAsksAboutAChangedDocument_data();
    void exitAsksAboutAChangedDocument();
};

void TestComandos::startsWithANewDocument_data()
{
    QTest::addColumn<QString>("carpetaPrograma");
    QTest::newRow("a folder") << QString();
    QTest::newRow("a folder ending in a separator gets a second one") << QString(QDir::separator());
    QTest::newRow("no Nuevo.tvo there: an empty view") << QStringLiteral("no-existe");
}

void TestComandos::startsWithANewDocument()
{
    QFETCH(QString, carpetaPrograma);
    guion->carpeta += carpetaPrograma;
    modelo = std::make_unique<ModeloElTarvo>(*guion);
    modelo->Form_Load();
    const QString nuevo = guion->carpeta + QDir::separator() + QStringLiteral("Nuevo.tvo");
    QCOMPARE((QStringList{modelo->Doc().RutaArch, modelo->EtiquetaArchivo(), modelo->Titulo(), Base().TipoObjeto,
                          Base().Caracteristicas, ElJuego().CuentaObjetos(), Cajas().Texto(Caja::Objeto1),
                          Cajas().Texto(Caja::Objeto2), Cajas().Texto(Caja::TipoObjeto), Cajas().Texto(Caja::Carac)}),
             (QStringList{nuevo, nuevo, "Nuevo.tvo - El Tarvo", "Objeto (tipo de objeto)",
                          "Características del archivo", "El archivo tvo contiene 0 objetos",
                          "Objeto #1 - Escriba aquí el primer objeto (Escriba aquí el objeto pensado)\r\n",
                          "Objeto #2 - Escriba aquí el segundo objeto", "Objeto (tipo de objeto)",
                          "Características (del archivo)"}));
    QCOMPARE(Estado(), QStringLiteral("aprendiendo 1 0 0 | O P P | Pregunta usuario - Escriba aquí la pregunta. "
                                      "Luego conteste pulsando en Si o No"));
    QCOMPARE(modelo->Vista().join(), LeerBytes(nuevo));
    QCOMPARE(modelo->Vista().join().isEmpty(), carpetaPrograma == "no-existe");
    QVERIFY(modelo->Doc().Modificado && modelo->Doc().EsArchivoNuevo);
}

void TestComandos::savesThroughTheDialogUntilTheDocumentHasAFile()
{
    Ensenar(QStringLiteral("gato"), QStringLiteral("perro"), QStringLiteral("¿Ladra?"));
    // Cancelled, the document stays unnamed and changed; a name typed without an extension is used as typed.
    guion->ResponderArchivo(std::nullopt);
    modelo->Guardar();
    QVERIFY(modelo->Doc().Modificado && modelo->Doc().EsArchivoNuevo);
    guion->ResponderArchivo(Ruta("animales"));
    modelo->Guardar();
    QCOMPARE(guion->mostrados[0].texto, QStringLiteral("Archivos tarvo (*.tvo) |*.tvo|"));
    QCOMPARE(guion->mostrados[0].tipo, int(Plataforma::Dialogo::Guardar));
    BaseConocimiento esperada = BaseDeEjemplo();
    esperada.TextoLinea = {QString(), "¿Ladra?", "perro", "gato"};
    QCOMPARE(LeerBytes(Ruta("animales")), ArchivoDe(esperada));
    QCOMPARE(modelo->Vista().join(), ArchivoDe(esperada));
    QCOMPARE((QStringList{modelo->Titulo(), modelo->EtiquetaArchivo()}),
             (QStringList{"animales - El Tarvo", Ruta("animales")}));
    QVERIFY(!modelo->Doc().Modificado && !modelo->Doc().EsArchivoNuevo);
    // From now on "Guardar" writes the named file without asking.
    Cajas().TextoEditado(Caja::Pregunta, QStringLiteral("¿Muerde?"));
    QVERIFY(Cajas().Salir(Caja::Pregunta));
    modelo->Guardar();
    QVERIFY(LeerBytes(Ruta("animales")).contains("1,2,3,\"\xbfMuerde?\""));
    QCOMPARE(Mensajes(), (QStringList{Guardar, Guardar}));
}

void TestComandos::saveAsOntoAnExistingFileAsksFirst()
{
    const QString largo = QStringLiteral("una carpeta de nombre largo, más de sesenta caracteres en total");
    QVERIFY(QDir(carpeta->path()).mkdir(largo));
    const QString destino = Ruta(largo + QStringLiteral("/previo.tvo"));
    for (R respuesta : {R::No, R::Si}) {
        Abrir(BaseDeEjemplo(), QStringLiteral("abierto.tvo"));
        EscribirBytes(destino, "previo");
        guion->ResponderArchivo(destino);
        guion->ResponderMensaje(respuesta);
        modelo->GuardarComo();
        QCOMPARE(Mensajes(), (QStringList{Guardar, destino.right(60) + QStringLiteral(": ¿Sobreescribir? [SN!]")}));
        // No: a beep, and nothing written.
        QCOMPARE(guion->pitidos, 1);
        QCOMPARE(LeerBytes(destino), respuesta == R::Si ? ArchivoDe(BaseDeEjemplo()) : QByteArray("previo"));
        QCOMPARE(modelo->Doc().RutaArch, respuesta == R::Si ? destino : Ruta("abierto.tvo"));
    }
}

void TestComandos::failedSavesAskToContinueAndKeepTheOldFile_data()
{
    QTest::addColumn<bool>("guardarComo");
    QTest::addColumn<QList<R>>("respuestas");
    QTest::addColumn<QString>("destino");
    QTest::newRow("Save As into a missing folder, Ignore") << true << QList<R>{R::Omitir} << "falta/a.tvo";
    QTest::newRow("Save As onto a folder, Retry, Ignore") << true << QList<R>{R::Reintentar, R::Omitir} << "carpeta";
    QTest::newRow("Save As, Abort ends the program") << true << QList<R>{R::Anular} << "falta/a.tvo";
    QTest::newRow("an answer not offered asks again") << true << QList<R>{R::Cancelar, R::Omitir} << "falta/a.tvo";
    QTest::newRow("Save into a file whose folder is gone") << false << QList<R>{R::Omitir} << "falta/a.tvo";
}

void TestComandos::failedSavesAskToContinueAndKeepTheOldFile()
{
    QFETCH(bool, guardarComo);
    QFETCH(QList<R>, respuestas);
    QFETCH(QString, destino);
    QVERIFY(QDir(carpeta->path()).mkpath(QStringLiteral("falta")) && QDir(carpeta->path()).mkdir("carpeta"));
    Abrir(BaseDeEjemplo(), destino == "carpeta" ? QStringLiteral("base.tvo") : destino);
    Cajas().TextoEditado(Caja::TipoObjeto, QStringLiteral("cambiado"));
    QVERIFY(Cajas().Salir(Caja::TipoObjeto) && QDir(Ruta("falta")).removeRecursively());
    const QStringList antes = QDir(carpeta->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    if (guardarComo)
        guion->ResponderArchivo(Ruta(destino));
    for (R respuesta : respuestas)
        guion->ResponderMensaje(respuesta);
    guardarComo ? modelo->GuardarComo() : modelo->Guardar();
    const QString error =
        QStringLiteral("Guardar - Error %1 inesperado: ¿Continuar? [AROx]").arg(destino == "carpeta" ? 75 : 76);
    QCOMPARE(Mensajes(), (guardarComo ? QStringList{Guardar} : QStringList()) + QStringList(respuestas.size(), error));
    QCOMPARE(guion->terminado, respuestas.constLast() == R::Anular);
    // Nothing was written, no temporary file is left, and the document is still unsaved.
    QCOMPARE(QDir(carpeta->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), antes);
    QVERIFY(QDir(Ruta("carpeta")).isEmpty() && modelo->Doc().Modificado);
    QCOMPARE(modelo->Doc().RutaArch, Ruta(destino));
}

void TestComandos::opensAFileAndShowsItsFirstLine()
{
    Ensenar(QStringLiteral("lo que pienso"), QStringLiteral("dos"), QStringLiteral("¿Pregunta?"));
    BaseConocimiento base = BaseCompleta(3);
    base.TipoObjeto = QStringLiteral("Animales");
    EscribirBytes(Ruta("tres.tvo"), ArchivoDe(base));
    guion->ResponderMensaje(R::No);
    guion->ResponderArchivo(Ruta("tres.tvo"));
    modelo->Abrir();
    // Opened again right away: no question, since nothing changed.
    guion->ResponderArchivo(Ruta("tres.tvo"));
    modelo->Abrir();
    QCOMPARE(Mensajes(), (QStringList{(guion->carpeta + QDir::separator() + QStringLiteral("Nuevo.tvo")).right(60) +
                                          QStringLiteral(": ¿Desea guardar el archivo actual? [SNC!]"),
                                      AbrirTvo, AbrirTvo}));
    QCOMPARE(guion->mostrados[1].tipo, int(Plataforma::Dialogo::Abrir));
    QCOMPARE(guion->mostrados[1].texto, QStringLiteral("Archivos tarvo (*.tvo) |*.tvo|"));
    QCOMPARE(Estado(), QStringLiteral("fuera 1 2 3 | P O P | línea 1"));
    QCOMPARE((QStringList{ElJuego().CuentaObjetos(), Cajas().Texto(Caja::Objeto1), Cajas().Texto(Caja::Objeto2),
                          Cajas().Texto(Caja::TipoObjeto), Cajas().Texto(Caja::Carac), modelo->Titulo()}),
             (QStringList{"El archivo tvo contiene  2 objetos", "lo que pienso", "", "Animales",
                          "Características del archivo", "tres.tvo - El Tarvo"}));
    QCOMPARE(modelo->Vista().join(), ArchivoDe(base));
    QVERIFY(!modelo->Doc().Modificado && !modelo->Doc().EsArchivoNuevo);
}

void TestComandos::theSaveQuestionBeforeDiscarding_data()
{
    QTest::addColumn<bool>("nuevo");
    QTest::addColumn<R>("respuesta");
    QTest::addColumn<bool>("descarta");
    for (bool nuevo : {true, false}) {
        const char *comando = nuevo ? "Nuevo" : "Abrir";
        QTest::addRow("%s, Cancel", comando) << nuevo << R::Cancelar << false;
        QTest::addRow("%s, an answer not offered", comando) << nuevo << R::Aceptar << false;
        QTest::addRow("%s, No", comando) << nuevo << R::No << true;
        QTest::addRow("%s, Yes: Save As cancelled, the command goes on", comando) << nuevo << R::Si << true;
    }
}

void TestComandos::theSaveQuestionBeforeDiscarding()
{
    QFETCH(bool, nuevo);
    QFETCH(R, respuesta);
    QFETCH(bool, descarta);
    Ensenar(QStringLiteral("gato"), QStringLiteral("perro"), QStringLiteral("¿Ladra?"));
    EscribirBytes(Ruta("otro.tvo"), ArchivoDe(BaseDeEjemplo()));
    guion->ResponderMensaje(respuesta);
    if (respuesta == R::Si)
        guion->ResponderArchivo(std::nullopt);
    if (descarta && !nuevo)
        guion->ResponderArchivo(Ruta("otro.tvo"));
    nuevo ? modelo->Nuevo() : modelo->Abrir();
    QCOMPARE(Base().TextoLinea[2], QString(descarta ? (nuevo ? "" : "Objeto1") : "perro"));
    QCOMPARE(ElJuego().FaseActual(), descarta && nuevo ? Fase::Aprendiendo : Fase::FueraDeJuego);
    QCOMPARE(modelo->Doc().Modificado, !descarta || nuevo);
    // What the user typed into Objeto 1 survives every command.
    QCOMPARE(Cajas().Texto(Caja::Objeto1), QStringLiteral("gato"));
}

void TestComandos::brokenFilesOpenWithTheirErrors_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QList<int>>("errores");
    QTest::addColumn<int>("numLineas");
    const auto fila = [](const char *nombre, QList<int> errores, int numLineas) {
        QTest::newRow(nombre) << QString::fromLatin1(nombre) << errores << numLineas;
    };
    fila("cuenta-negativa.tvo", {}, -5);
    fila("cuenta-32768.tvo", {6}, 0);
    fila("faltan-registros.tvo", {62, 62}, 5);
    fila("comilla-sin-cerrar.tvo", {62}, 2);
    fila("vacio.tvo", {62, 62, 62}, 0);
    fila("cuenta-600.tvo", {9}, 599);
    // Retried, the open fails again.
    fila("no-existe.tvo", {53, 53, 52, 52, 52}, 0);
    fila("una-carpeta", {75, 52, 52, 52}, 0);
    fila("base.tvo/dentro.tvo", {76, 52, 52, 52}, 0);
}

void TestComandos::brokenFilesOpenWithTheirErrors()
{
    QFETCH(QString, nombre);
    QFETCH(QList<int>, errores);
    QFETCH(int, numLineas);
    const QString datos = QStringLiteral(ELTARVO_DATOS_PRUEBA "/hostiles/") + nombre;
    if (nombre == "una-carpeta")
        QVERIFY(QDir(carpeta->path()).mkdir(nombre));
    else if (QFile::exists(datos))
        QVERIFY(QFile::copy(datos, Ruta(nombre)));
    // 600 records promised and present: more than the arrays hold.
    else if (nombre == "cuenta-600.tvo")
        EscribirBytes(Ruta(nombre),
                      "0,0,0,\"\"\r\n0,0,0,\"\"\r\n0,0,0,\"600\"\r\n" + QByteArray("1,0,0,\"l\"\r\n").repeated(600));
    Abrir(BaseDeEjemplo());
    guion->ResponderArchivo(Ruta(nombre));
    if (nombre == "no-existe.tvo")
        guion->ResponderMensaje(R::Reintentar);
    guion->ResponderSiempre(R::Omitir);
    modelo->Abrir();
    QStringList esperados = {AbrirTvo};
    for (int error : errores)
        esperados << QStringLiteral("Abrir - Error %1 inesperado: ¿Continuar? [AROx]").arg(error);
    QCOMPARE(Mensajes(), esperados);
    QCOMPARE(int(Base().NumLineas), numLineas);
    QCOMPARE(modelo->Titulo(), nombre.section('/', -1) + QStringLiteral(" - El Tarvo"));
    QVERIFY(!modelo->Doc().Modificado && !modelo->Doc().EsArchivoNuevo);
    QCOMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
    // Abort ends the program at once: what was read is not shown.
    guion->ResponderSiempre(std::nullopt);
    guion->ResponderArchivo(Ruta("no-existe.tvo"));
    guion->ResponderMensaje(R::Anular);
    const QList<QByteArray> vista = modelo->Vista();
    modelo->Abrir();
    QVERIFY(guion->terminado && modelo->Terminando() && modelo->Vista() == vista);
}

void TestComandos::exitAsksAboutAChangedDocument_data()
{
    QTest::addColumn<QList<R>>("respuestas");
    QTest::addColumn<QStringList>("mensajes");
    QTest::addColumn<bool>("termina");
    const QString pregunta = QStringLiteral("¿Desea guardar el archivo actual? [SNC!]");
    QTest::newRow("Cancel") << QList<R>{R::Cancelar} << QStringList{pregunta} << false;
    QTest::newRow("Yes: save it yourself")
        << QList<R>{R::Si, R::Aceptar}
        << QStringList{pregunta, "Guardar: Guarde Ud. mismo el archivo por favor... [A!]"} << false;
    QTest::newRow("No") << QList<R>{R::No} << QStringList{pregunta} << true;
    QTest::newRow("an answer not offered") << QList<R>{R::Aceptar} << QStringList{pregunta} << false;
    QTest::newRow("an unchanged document: no question") << QList<R>{} << QStringList{} << true;
}

void TestComandos::exitAsksAboutAChangedDocument()
{
    QFETCH(QList<R>, respuestas);
    QFETCH(QStringList, mensajes);
    QFETCH(bool, termina);
    if (respuestas.isEmpty())
        Abrir(BaseDeEjemplo());
    if (!mensajes.isEmpty())
        mensajes[0].prepend(modelo->Doc().RutaArch.right(60) + QStringLiteral(": "));
    for (R respuesta : respuestas)
        guion->ResponderMensaje(respuesta);
    modelo->Salir();
    QCOMPARE(Mensajes(), mensajes);
    QCOMPARE(guion->terminado, termina);
}

QTEST_MAIN(TestComandos)
#include "tst_comandos.moc"
