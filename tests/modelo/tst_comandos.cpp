#include "apoyo/pruebademodelo.h"
#include "apoyo/util.h"
#include "kb/escritortvo.h"

#include <QDir>
#include <QTest>

using Respuesta = Plataforma::Respuesta;
using Botones = Plataforma::Botones;

namespace {

const QByteArray Cabeceras = "0,0,0,\"Hostil\"\r\n0,0,0,\"Generado\"\r\n";

// Line k links to k + 1 on Si; "lk" texts.
QByteArray Registros(int cuantos)
{
    QByteArray registros;
    for (int k = 1; k <= cuantos; ++k)
        registros += QByteArray::number(k) + ',' + QByteArray::number(k + 1 <= cuantos ? k + 1 : 0) + ",0,\"l" +
                     QByteArray::number(k) + "\"\r\n";
    return registros;
}

QByteArray ArchivoDe(BaseConocimiento base)
{
    return CodificarArchivoTvo(base);
}

} // namespace

class TestComandos : public PruebaDeModelo
{
    Q_OBJECT
private slots:
    void startsWithANewDocument_data();
    void startsWithANewDocument();
    void saveOfANewDocumentGoesThroughSaveAs();
    void saveAsOntoAnExistingFileAsksFirst_data();
    void saveAsOntoAnExistingFileAsksFirst();
    void failedSavesAskToContinueAndKeepTheOldFile_data();
    void failedSavesAskToContinueAndKeepTheOldFile();
    void opensAFileAndShowsItsFirstLine();
    void theSaveQuestionBeforeDiscarding_data();
    void theSaveQuestionBeforeDiscarding();
    void brokenFilesOpenWithTheirErrors_data();
    void brokenFilesOpenWithTheirErrors();
    void abortWhileOpeningEndsTheProgramAtOnce();
    void exitAsksAboutAChangedDocument_data();
    void exitAsksAboutAChangedDocument();

private:
    void VerificarPregunta(int i, const QString &texto, const QString &titulo, Botones botones)
    {
        QCOMPARE(guion->mensajes[i].texto, texto);
        QCOMPARE(guion->mensajes[i].titulo, titulo);
        QCOMPARE(guion->mensajes[i].botones, botones);
    }
};

void TestComandos::startsWithANewDocument_data()
{
    QTest::addColumn<QString>("carpetaPrograma");
    QTest::newRow("a folder") << QString();
    QTest::newRow("a folder ending in a separator gets a second one") << QString(QDir::separator());
}

void TestComandos::startsWithANewDocument()
{
    QFETCH(QString, carpetaPrograma);
    guion->carpeta += carpetaPrograma;
    modelo = std::make_unique<ModeloElTarvo>(*guion);
    modelo->Form_Load();
    const QString nuevo = guion->carpeta + QDir::separator() + QStringLiteral("Nuevo.tvo");
    QCOMPARE(modelo->Doc().RutaArch, nuevo);
    QCOMPARE(modelo->EtiquetaArchivo(), nuevo);
    QCOMPARE(modelo->Titulo(), QStringLiteral("Nuevo.tvo - El Tarvo"));
    QCOMPARE(modelo->Vista().join(), LeerBytes(QStringLiteral(ELTARVO_NUEVO_TVO)));
    QVERIFY(modelo->Doc().Modificado && modelo->Doc().EsArchivoNuevo);
    QCOMPARE(ElJuego().FaseActual(), Fase::Aprendiendo);
    QCOMPARE(Base().NumLineas, qint16(1));
    QCOMPARE(Base().TipoObjeto, QStringLiteral("Objeto (tipo de objeto)"));
    QCOMPARE(Base().Caracteristicas, QStringLiteral("Características del archivo"));
    QCOMPARE(ElJuego().CuentaObjetos(), QStringLiteral("El archivo tvo contiene 0 objetos"));
    const ::Fila &fila = ElJuego().FilaMostrada();
    QCOMPARE(fila.registro + fila.valorSi + fila.valorNo, QStringLiteral("100"));
    const QStringList textos = {"Objeto #1 - Escriba aquí el primer objeto (Escriba aquí el objeto pensado)\r\n",
                                "Objeto #2 - Escriba aquí el segundo objeto",
                                "Pregunta usuario - Escriba aquí la pregunta. Luego conteste pulsando en Si o No",
                                "Objeto (tipo de objeto)", "Características (del archivo)"};
    for (int i = 0; i < textos.size(); ++i)
        QCOMPARE(Cajas().Texto(Caja(i)), textos[i]);
    QCOMPARE(ElJuego().FondoDe(Caja::Objeto1), Fondo::Otro);
    QCOMPARE(ElJuego().FondoDe(Caja::Objeto2), Fondo::Pregunta);
    QCOMPARE(ElJuego().FondoDe(Caja::Pregunta), Fondo::Pregunta);
}

void TestComandos::saveOfANewDocumentGoesThroughSaveAs()
{
    Ensenar(QStringLiteral("gato"), QStringLiteral("perro"), QStringLiteral("¿Ladra?"));
    guion->ResponderArchivo(std::nullopt);
    modelo->Guardar();
    QCOMPARE(guion->dialogos[0].dialogo, Plataforma::Dialogo::Guardar);
    QCOMPARE(guion->dialogos[0].titulo, QStringLiteral("Guardar archivo tvo"));
    QCOMPARE(guion->dialogos[0].filtro, QStringLiteral("Archivos tarvo (*.tvo) |*.tvo|"));
    QVERIFY(modelo->Doc().Modificado && modelo->Doc().EsArchivoNuevo);
    // A name typed without an extension is used as typed.
    guion->ResponderArchivo(Ruta("animales"));
    modelo->Guardar();
    BaseConocimiento esperada = BaseDeEjemplo();
    for (int k = 1; k <= 3; ++k)
        esperada.TextoLinea[k] = QStringList{"¿Ladra?", "perro", "gato"}[k - 1];
    QCOMPARE(LeerBytes(Ruta("animales")), ArchivoDe(esperada));
    QCOMPARE(modelo->Vista().join(), LeerBytes(Ruta("animales")));
    QCOMPARE(modelo->Titulo(), QStringLiteral("animales - El Tarvo"));
    QCOMPARE(modelo->EtiquetaArchivo(), Ruta("animales"));
    QVERIFY(!modelo->Doc().Modificado && !modelo->Doc().EsArchivoNuevo);
    // From now on "Guardar" writes the named file without asking.
    Cajas().TextoEditado(Caja::Pregunta, QStringLiteral("¿Muerde?"));
    QVERIFY(Cajas().Salir(Caja::Pregunta));
    modelo->Guardar();
    QVERIFY(LeerBytes(Ruta("animales")).contains("1,2,3,\"\xbfMuerde?\""));
    QCOMPARE(guion->dialogos.size(), 2);
}

void TestComandos::saveAsOntoAnExistingFileAsksFirst_data()
{
    QTest::addColumn<Respuesta>("respuesta");
    QTest::newRow("Yes replaces it") << Respuesta::Si;
    QTest::newRow("No beeps and writes nothing") << Respuesta::No;
}

void TestComandos::saveAsOntoAnExistingFileAsksFirst()
{
    QFETCH(Respuesta, respuesta);
    Abrir(BaseDeEjemplo(), QStringLiteral("abierto.tvo"));
    const QString largo = QStringLiteral("una carpeta de nombre largo, más de sesenta caracteres en total");
    QVERIFY(QDir(carpeta->path()).mkdir(largo));
    const QString destino = Ruta(largo + QStringLiteral("/previo.tvo"));
    EscribirBytes(destino, "previo");
    guion->ResponderArchivo(destino);
    guion->ResponderMensaje(respuesta);
    modelo->GuardarComo();
    VerificarPregunta(0, QStringLiteral("¿Sobreescribir?"), destino.right(60), Botones::SiNo);
    QCOMPARE(guion->mensajes[0].icono, Plataforma::Icono::Exclamacion);
    const bool si = respuesta == Respuesta::Si;
    QCOMPARE(guion->pitidos, si ? 0 : 1);
    QCOMPARE(LeerBytes(destino), si ? ArchivoDe(BaseDeEjemplo()) : QByteArray("previo"));
    QCOMPARE(modelo->Doc().RutaArch, si ? destino : Ruta("abierto.tvo"));
}

void TestComandos::failedSavesAskToContinueAndKeepTheOldFile_data()
{
    QTest::addColumn<bool>("guardarComo");
    QTest::addColumn<QList<Respuesta>>("respuestas");
    QTest::addColumn<QString>("destino");
    QTest::addColumn<int>("error");
    using R = Respuesta;
    QTest::newRow("Save As into a missing folder, Ignore") << true << QList<R>{R::Omitir} << "falta/a.tvo" << 76;
    QTest::newRow("Save As onto a folder, Retry, Ignore")
        << true << QList<R>{R::Reintentar, R::Omitir} << "carpeta" << 75;
    QTest::newRow("Save As, Abort ends the program") << true << QList<R>{R::Anular} << "falta/a.tvo" << 76;
    QTest::newRow("an answer not offered asks again")
        << true << QList<R>{R::Cancelar, R::Omitir} << "falta/a.tvo" << 76;
    QTest::newRow("Save into a file whose folder is gone") << false << QList<R>{R::Omitir} << "falta/a.tvo" << 76;
}

void TestComandos::failedSavesAskToContinueAndKeepTheOldFile()
{
    QFETCH(bool, guardarComo);
    QFETCH(QList<Respuesta>, respuestas);
    QFETCH(QString, destino);
    QFETCH(int, error);
    QVERIFY(QDir(carpeta->path()).mkpath(QStringLiteral("falta")));
    QVERIFY(QDir(carpeta->path()).mkdir(QStringLiteral("carpeta")));
    Abrir(BaseDeEjemplo(), destino == "carpeta" ? QStringLiteral("base.tvo") : destino);
    Cajas().TextoEditado(Caja::TipoObjeto, QStringLiteral("cambiado"));
    QVERIFY(Cajas().Salir(Caja::TipoObjeto));
    QVERIFY(QDir(Ruta("falta")).removeRecursively());
    const QStringList antes = QDir(carpeta->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    if (guardarComo)
        guion->ResponderArchivo(Ruta(destino));
    for (Respuesta respuesta : respuestas)
        guion->ResponderMensaje(respuesta);
    guardarComo ? modelo->GuardarComo() : modelo->Guardar();
    QCOMPARE(guion->mensajes.size(), respuestas.size());
    for (int i = 0; i < respuestas.size(); ++i) {
        VerificarPregunta(i, QStringLiteral("¿Continuar?"), QStringLiteral("Guardar - Error %1 inesperado").arg(error),
                          Botones::AnularReintentarOmitir);
        QCOMPARE(guion->mensajes[i].icono, Plataforma::Icono::Error);
    }
    QCOMPARE(guion->terminado, respuestas.constLast() == Respuesta::Anular);
    // Nothing was written, no temporary file is left, and the document is still unsaved.
    QCOMPARE(QDir(carpeta->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), antes);
    QVERIFY(QDir(Ruta("carpeta")).isEmpty());
    QVERIFY(modelo->Doc().Modificado);
    QCOMPARE(modelo->Doc().RutaArch, Ruta(destino));
}

void TestComandos::opensAFileAndShowsItsFirstLine()
{
    Ensenar(QStringLiteral("lo que pienso"), QStringLiteral("dos"), QStringLiteral("¿Pregunta?"));
    BaseConocimiento base = BaseCompleta(3);
    base.TipoObjeto = QStringLiteral("Animales");
    EscribirBytes(Ruta("tres.tvo"), ArchivoDe(base));
    guion->ResponderMensaje(Respuesta::No);
    guion->ResponderArchivo(Ruta("tres.tvo"));
    modelo->Abrir();
    VerificarPregunta(0, QStringLiteral("¿Desea guardar el archivo actual?"),
                      (guion->carpeta + QDir::separator() + QStringLiteral("Nuevo.tvo")).right(60),
                      Botones::SiNoCancelar);
    QCOMPARE(guion->dialogos[0].dialogo, Plataforma::Dialogo::Abrir);
    QCOMPARE(guion->dialogos[0].titulo, QStringLiteral("Abrir archivo tvo"));
    QCOMPARE(guion->dialogos[0].filtro, QStringLiteral("Archivos tarvo (*.tvo) |*.tvo|"));
    QCOMPARE(ElJuego().CuentaObjetos(), QStringLiteral("El archivo tvo contiene  2 objetos"));
    QCOMPARE(ElJuego().FilaMostrada().valorSi + ElJuego().FilaMostrada().valorNo, QStringLiteral("23"));
    QCOMPARE(Cajas().Texto(Caja::Pregunta), QStringLiteral("línea 1"));
    QCOMPARE(Cajas().Texto(Caja::Objeto2), QString());
    QCOMPARE(Cajas().Texto(Caja::Objeto1), QStringLiteral("lo que pienso"));
    QCOMPARE(Cajas().Texto(Caja::TipoObjeto), QStringLiteral("Animales"));
    QCOMPARE(Cajas().Texto(Caja::Carac), QStringLiteral("Características del archivo"));
    QCOMPARE(ElJuego().FondoDe(Caja::Objeto1), Fondo::Pregunta);
    QCOMPARE(ElJuego().FondoDe(Caja::Objeto2), Fondo::Otro);
    QCOMPARE(modelo->Titulo(), QStringLiteral("tres.tvo - El Tarvo"));
    QCOMPARE(modelo->Vista().join(), ArchivoDe(base));
    QCOMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
    QVERIFY(!modelo->Doc().Modificado && !modelo->Doc().EsArchivoNuevo);
    // Opened again right away: no question, since nothing changed.
    guion->ResponderArchivo(Ruta("tres.tvo"));
    modelo->Abrir();
    QCOMPARE(guion->mensajes.size(), 1);
}

void TestComandos::theSaveQuestionBeforeDiscarding_data()
{
    QTest::addColumn<bool>("nuevo");
    QTest::addColumn<Respuesta>("respuesta");
    QTest::addColumn<bool>("descarta");
    for (bool nuevo : {true, false}) {
        const char *comando = nuevo ? "Nuevo" : "Abrir";
        QTest::addRow("%s, Cancel", comando) << nuevo << Respuesta::Cancelar << false;
        QTest::addRow("%s, an answer not offered", comando) << nuevo << Respuesta::Aceptar << false;
        QTest::addRow("%s, No", comando) << nuevo << Respuesta::No << true;
        QTest::addRow("%s, Yes: Save As cancelled, the command goes on", comando) << nuevo << Respuesta::Si << true;
    }
}

void TestComandos::theSaveQuestionBeforeDiscarding()
{
    QFETCH(bool, nuevo);
    QFETCH(Respuesta, respuesta);
    QFETCH(bool, descarta);
    Ensenar(QStringLiteral("gato"), QStringLiteral("perro"), QStringLiteral("¿Ladra?"));
    EscribirBytes(Ruta("otro.tvo"), ArchivoDe(BaseDeEjemplo()));
    guion->ResponderMensaje(respuesta);
    if (respuesta == Respuesta::Si)
        guion->ResponderArchivo(std::nullopt);
    if (descarta && !nuevo)
        guion->ResponderArchivo(Ruta("otro.tvo"));
    nuevo ? modelo->Nuevo() : modelo->Abrir();
    QCOMPARE(Base().NumLineas, qint16(descarta ? (nuevo ? 1 : 3) : 3));
    QCOMPARE(Base().TextoLinea[2], QString(descarta ? (nuevo ? "" : "Objeto1") : "perro"));
    QCOMPARE(ElJuego().FaseActual(), descarta && nuevo ? Fase::Aprendiendo : Fase::FueraDeJuego);
    QCOMPARE(modelo->Doc().Modificado, !descarta || nuevo);
    // What the user typed into Objeto 1 survives every command.
    QCOMPARE(Cajas().Texto(Caja::Objeto1), QStringLiteral("gato"));
}

void TestComandos::brokenFilesOpenWithTheirErrors_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("errores");
    QTest::addColumn<int>("numLineas");
    const auto fila = [](const char *nombre, QList<int> errores, int numLineas, const QByteArray &bytes = {}) {
        QTest::newRow(nombre) << QString::fromLatin1(nombre) << bytes << errores << numLineas;
    };
    fila("cuenta-cero.tvo", {}, 0);
    fila("cuenta-negativa.tvo", {}, -5);
    fila("cuenta-32768.tvo", {6}, 0);
    fila("cuenta-2-5.tvo", {}, 2);
    fila("faltan-registros.tvo", {62, 62}, 5);
    fila("comilla-sin-cerrar.tvo", {62}, 2);
    fila("enlace-sobre-599.tvo", {}, 3);
    fila("vacio.tvo", {62, 62, 62}, 0);
    fila("cuenta-598.tvo", {}, 598, Cabeceras + "0,0,0,\" 598\"\r\n" + Registros(598));
    fila("cuenta-600.tvo", {9}, 599, Cabeceras + "0,0,0,\" 600\"\r\n" + Registros(600));
    // Retried, the open fails again.
    fila("no-existe.tvo", {53, 53, 52, 52, 52}, 0);
    fila("una-carpeta", {75, 52, 52, 52}, 0);
}

void TestComandos::brokenFilesOpenWithTheirErrors()
{
    QFETCH(QString, nombre);
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, errores);
    QFETCH(int, numLineas);
    const QString datos = QStringLiteral(ELTARVO_DATOS_PRUEBA "/hostiles/") + nombre;
    if (nombre == "una-carpeta")
        QVERIFY(QDir(carpeta->path()).mkdir(nombre));
    else if (nombre != "no-existe.tvo")
        EscribirBytes(Ruta(nombre), bytes.isEmpty() ? LeerBytes(datos) : bytes);
    Ensenar(QString(), QString(), QString());
    guion->ResponderMensaje(Respuesta::No);
    guion->ResponderArchivo(Ruta(nombre));
    if (nombre == "no-existe.tvo")
        guion->ResponderMensaje(Respuesta::Reintentar);
    guion->ResponderSiempre(Respuesta::Omitir);
    modelo->Abrir();
    QList<int> vistos;
    for (const auto &mensaje : guion->mensajes.mid(1)) {
        QVERIFY(mensaje.titulo.startsWith(QStringLiteral("Abrir - Error ")));
        vistos << mensaje.titulo.section(QLatin1Char(' '), 3, 3).toInt();
    }
    QCOMPARE(vistos, errores);
    QCOMPARE(int(Base().NumLineas), numLineas);
    QCOMPARE(modelo->Titulo(), nombre + QStringLiteral(" - El Tarvo"));
    QVERIFY(!modelo->Doc().Modificado && !modelo->Doc().EsArchivoNuevo);
    QCOMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
}

void TestComandos::abortWhileOpeningEndsTheProgramAtOnce()
{
    Abrir(BaseDeEjemplo());
    guion->ResponderArchivo(Ruta("no-existe.tvo"));
    guion->ResponderMensaje(Respuesta::Anular);
    modelo->Abrir();
    QVERIFY(guion->terminado && modelo->Terminando());
    QCOMPARE(guion->mensajes.size(), 1);
    // Nothing more was done: what was read is not shown.
    QCOMPARE(Cajas().Texto(Caja::TipoObjeto), QStringLiteral("Objeto (tipo de objeto)"));
    QCOMPARE(modelo->Vista().join(), ArchivoDe(BaseDeEjemplo()));
}

void TestComandos::exitAsksAboutAChangedDocument_data()
{
    QTest::addColumn<QList<Respuesta>>("respuestas");
    QTest::addColumn<bool>("termina");
    QTest::newRow("Cancel") << QList<Respuesta>{Respuesta::Cancelar} << false;
    QTest::newRow("Yes: save it yourself") << QList<Respuesta>{Respuesta::Si, Respuesta::Aceptar} << false;
    QTest::newRow("No") << QList<Respuesta>{Respuesta::No} << true;
    QTest::newRow("an answer not offered") << QList<Respuesta>{Respuesta::Aceptar} << false;
    QTest::newRow("an unchanged document: no question") << QList<Respuesta>{} << true;
}

void TestComandos::exitAsksAboutAChangedDocument()
{
    QFETCH(QList<Respuesta>, respuestas);
    QFETCH(bool, termina);
    if (respuestas.isEmpty())
        Abrir(BaseDeEjemplo());
    for (Respuesta respuesta : respuestas)
        guion->ResponderMensaje(respuesta);
    modelo->Salir();
    QCOMPARE(guion->mensajes.size(), respuestas.size());
    if (!respuestas.isEmpty())
        VerificarPregunta(0, QStringLiteral("¿Desea guardar el archivo actual?"), modelo->Doc().RutaArch.right(60),
                          Botones::SiNoCancelar);
    if (respuestas.size() == 2)
        VerificarPregunta(1, QStringLiteral("Guarde Ud. mismo el archivo por favor..."), QStringLiteral("Guardar"),
                          Botones::Aceptar);
    QCOMPARE(guion->terminado, termina);
    QVERIFY(guion->dialogos.isEmpty());
}

QTEST_MAIN(TestComandos)
#include "tst_comandos.moc"
