#include "apoyo/pruebademodelo.h"
#include "kb/lectortvo.h"

#include <QDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const QString Guardar = QStringLiteral("<Guardar archivo tvo: guardar Archivos tarvo (*.tvo) |*.tvo|>");
const QString AbrirTvo = QStringLiteral("<Abrir archivo tvo: abrir Archivos tarvo (*.tvo) |*.tvo|>");
const QString Ensenado = QStringLiteral("o1=gato;o2=perro;pr=¿Ladra?;si");

} // namespace

class TestComandos : public PruebaDeModelo
{
    Q_OBJECT
private:
    // The window caption, then * when the document has unsaved changes and "nuevo" when it has no file.
    QString Documento() const
    {
        return modelo->Titulo() + (modelo->Doc().Modificado() ? " *" : "") +
               (modelo->Doc().EsArchivoNuevo() ? " nuevo" : "");
    }

private slots:
    void startsWithANewDocument_data()
    {
        QTest::addColumn<QString>("carpetaPrograma");
        QTest::newRow("a folder") << QString();
        QTest::newRow("a folder ending in a separator gets a second one") << QString(QDir::separator());
        QTest::newRow("no Nuevo.tvo there: an empty view") << QStringLiteral("no-existe");
    }

    void startsWithANewDocument()
    {
        QFETCH(QString, carpetaPrograma);
        guion->carpeta += carpetaPrograma;
        modelo = std::make_unique<ModeloElTarvo>(*guion, *recuperacion);
        modelo->Form_Load();
        const QString nuevo = guion->carpeta + QDir::separator() + QStringLiteral("Nuevo.tvo");
        QCOMPARE(
            (QStringList{modelo->Doc().RutaArch(), modelo->EtiquetaArchivo(), Documento(), Base().TipoObjeto,
                         Base().Caracteristicas, ElJuego().CuentaObjetos(), Cajas().Texto(Caja::Objeto1),
                         Cajas().Texto(Caja::Objeto2), Cajas().Texto(Caja::TipoObjeto), Cajas().Texto(Caja::Carac)}),
            (QStringList{nuevo, nuevo, "Nuevo.tvo - El Tarvo * nuevo", "Objeto (tipo de objeto)",
                         "Características del archivo", "El archivo tvo contiene 0 objetos",
                         "Objeto #1 - Escriba aquí el primer objeto (Escriba aquí el objeto pensado)\r\n",
                         "Objeto #2 - Escriba aquí el segundo objeto", "Objeto (tipo de objeto)",
                         "Características (del archivo)"}));
        QCOMPARE(Estado(), QStringLiteral("aprendiendo 1 0 0 | O P P | Pregunta usuario - Escriba aquí la pregunta. "
                                          "Luego conteste pulsando en Si o No"));
        QCOMPARE(modelo->Vista().join(), LeerBytes(nuevo));
        QCOMPARE(modelo->Vista().join().isEmpty(), carpetaPrograma == "no-existe");
    }

    void savesThroughTheDialogUntilTheDocumentHasAFile()
    {
        // Cancelled, the document stays unnamed and changed; a name typed without an extension is used as typed.
        Pasos(Ensenado + ";f:;guardar");
        QCOMPARE(Documento(), QStringLiteral("Nuevo.tvo - El Tarvo * nuevo"));
        Pasos("f:animales;guardar");
        BaseConocimiento esperada = BaseDeEjemplo();
        esperada.TextoLinea = {QString(), "¿Ladra?", "perro", "gato"};
        QCOMPARE(LeerBytes(Ruta("animales")), ArchivoDe(esperada));
        QCOMPARE(modelo->Vista().join(), ArchivoDe(esperada));
        QCOMPARE(Documento() + modelo->EtiquetaArchivo(), QStringLiteral("animales - El Tarvo") + Ruta("animales"));
        // From now on "Guardar" writes the named file without asking.
        Pasos("pr=¿Muerde?;<pr;guardar");
        QVERIFY(LeerBytes(Ruta("animales")).contains("1,2,3,\"\xbfMuerde?\""));
        QCOMPARE(guion->mostrados, (QStringList{Guardar, Guardar}));
    }

    void saveAsOntoAnExistingFileAsksFirst()
    {
        const QString largo = QStringLiteral("una carpeta de nombre largo, más de sesenta caracteres en total");
        QVERIFY(QDir(carpeta->path()).mkdir(largo));
        const QString destino = Ruta(largo + QStringLiteral("/previo.tvo"));
        for (const char *respuesta : {"no", "si"}) {
            Abrir(BaseDeEjemplo(), QStringLiteral("abierto.tvo"));
            EscribirBytes(destino, "previo");
            Pasos(QStringLiteral("f:%1/previo.tvo;r:%2;como").arg(largo, respuesta));
            QCOMPARE(guion->mostrados,
                     (QStringList{Guardar, destino.right(60) + QStringLiteral(": ¿Sobreescribir? [SN!]")}));
            // No: a beep, and nothing written.
            const bool si = QLatin1String(respuesta) == "si";
            QCOMPARE(guion->pitidos, 1);
            QCOMPARE(LeerBytes(destino), si ? ArchivoDe(BaseDeEjemplo()) : QByteArray("previo"));
            QCOMPARE(modelo->Doc().RutaArch(), si ? destino : Ruta("abierto.tvo"));
        }
    }

    void failedSavesAskToContinueAndKeepTheOldFile_data()
    {
        Columnas<QString, int>("pasos", "error");
        QTest::newRow("Save As into a missing folder, Ignore") << "f:falta/a.tvo;r:omitir;como" << 76;
        QTest::newRow("Save As onto a folder, Retry, Ignore") << "f:carpeta;r:reintentar;r:omitir;como" << 75;
        QTest::newRow("Save As, Abort ends the program") << "f:falta/a.tvo;r:anular;como" << 76;
        QTest::newRow("an answer not offered asks again") << "f:falta/a.tvo;r:cancelar;r:omitir;como" << 76;
        // The file is gone: overwriting it is asked first.
        QTest::newRow("Save into a file whose folder is gone") << "r:si;r:omitir;guardar" << 76;
    }

    void failedSavesAskToContinueAndKeepTheOldFile()
    {
        auto [pasos, error] = Celdas<QString, int>("pasos", "error");
        QVERIFY(QDir(carpeta->path()).mkpath(QStringLiteral("falta")) && QDir(carpeta->path()).mkdir("carpeta"));
        // Unchanged before, the document is changed after a write that did not happen.
        Abrir(BaseDeEjemplo(), QStringLiteral("falta/a.tvo"));
        QVERIFY(QDir(Ruta("falta")).removeRecursively());
        const QStringList antes = QDir(carpeta->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        Pasos(pasos);
        const bool guardar = pasos.endsWith(QLatin1String("guardar"));
        const int preguntas = pasos.count(QLatin1String("r:")) - guardar;
        const QString cambiado =
            Ruta("falta/a.tvo").right(60) +
            QStringLiteral(": El archivo «a.tvo» cambió en el disco después de abrirlo o guardarlo. "
                           "¿Desea sobrescribirlo? [SN!]");
        QCOMPARE(
            guion->mostrados,
            (guardar ? QStringList{cambiado} : QStringList{Guardar}) +
                QStringList(preguntas, QStringLiteral("Guardar - Error %1 inesperado: ¿Continuar? [AROx]").arg(error)));
        QCOMPARE(guion->terminado, pasos.contains(QLatin1String("anular")));
        // Nothing was written, no temporary file is left, and the document is still unsaved.
        QCOMPARE(QDir(carpeta->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), antes);
        QCOMPARE(std::tuple(QDir(Ruta("carpeta")).isEmpty(), modelo->Doc().Modificado()), std::tuple(true, true));
        // Abort too keeps the recovery copy: the work was never saved, and the next start offers it.
        QVERIFY(QFile::exists(recuperacion->Archivo()));
        QCOMPARE(modelo->Doc().RutaArch(), Ruta(error == 75 ? "carpeta" : "falta/a.tvo"));
    }

    void opensAFileAndShowsItsFirstLine_data()
    {
        QTest::addColumn<bool>("alEmpezar");
        QTest::newRow("chosen in the dialog") << false;
        // Named on the command line: opened at once, though a new document takes no command.
        QTest::newRow("named when the program starts") << true;
    }

    void opensAFileAndShowsItsFirstLine()
    {
        QFETCH(bool, alEmpezar);
        BaseConocimiento base = BaseCompleta(3);
        base.TipoObjeto = QStringLiteral("Animales");
        EscribirBytes(Ruta("tres.tvo"), ArchivoDe(base));
        const QString objeto1 = alEmpezar ? Cajas().Texto(Caja::Objeto1) : QStringLiteral("lo que pienso");
        // Opened again right away: no question, since nothing changed.
        alEmpezar ? modelo->AbrirArchivo(Ruta("tres.tvo"))
                  : Pasos("o1=lo que pienso;si;r:no;f:tres.tvo;abrir;f:tres.tvo;abrir");
        QCOMPARE(guion->mostrados,
                 (alEmpezar ? QStringList()
                            : QStringList{(guion->carpeta + QDir::separator() + "Nuevo.tvo").right(60) +
                                              QStringLiteral(": ¿Desea guardar el archivo actual? [SNC!]"),
                                          AbrirTvo, AbrirTvo}));
        QCOMPARE(Estado(), QStringLiteral("fuera 1 2 3 | P O P | línea 1"));
        QCOMPARE((QStringList{ElJuego().CuentaObjetos(), Cajas().Texto(Caja::Objeto1), Cajas().Texto(Caja::Objeto2),
                              Cajas().Texto(Caja::TipoObjeto), Cajas().Texto(Caja::Carac), Documento()}),
                 (QStringList{"El archivo tvo contiene  2 objetos", objeto1, "", "Animales",
                              "Características del archivo", "tres.tvo - El Tarvo"}));
        QCOMPARE(modelo->Vista().join(), ArchivoDe(base));
    }

    void theSaveQuestionBeforeDiscarding_data()
    {
        // "Nuevo", "Abrir..." and "Salir" ask before they discard a changed document.
        Columnas<QString, QString, QString, QStringList>("pasos", "lineas", "documento", "mensajes");
        const QString pregunta = QStringLiteral("¿Desea guardar el archivo actual? [SNC!]");
        const auto fila = [&](const char *nombre, const char *pasos, const char *lineas, const char *documento,
                              QStringList mensajes) {
            QTest::newRow(nombre) << QString::fromUtf8(pasos) << QString::fromUtf8(lineas)
                                  << QString::fromUtf8(documento) << QStringList{pregunta} + mensajes;
        };
        fila("Nuevo, Cancel", "r:cancelar;nuevo", "3 perro", "Nuevo.tvo - El Tarvo * nuevo", {});
        fila("Nuevo, No", "r:no;nuevo", "1 ", "Nuevo.tvo - El Tarvo * nuevo", {});
        // Yes goes on only after a save that happened.
        fila("Nuevo, Yes: saved, then a new document", "r:si;f:guardado.tvo;nuevo", "1 ",
             "Nuevo.tvo - El Tarvo * nuevo", {Guardar});
        fila("Abrir, an answer not offered", "r:aceptar;abrir", "3 perro", "Nuevo.tvo - El Tarvo * nuevo", {});
        fila("Abrir, No", "r:no;f:otro.tvo;abrir", "3 Objeto1", "otro.tvo - El Tarvo", {AbrirTvo});
        fila("Abrir, Yes: Save As cancelled, nothing changes", "r:si;f:;abrir", "3 perro",
             "Nuevo.tvo - El Tarvo * nuevo", {Guardar});
        fila("Abrir, Yes: a failed save ignored, nothing changes", "r:si;f:falta/a.tvo;r:omitir;abrir", "3 perro",
             "a.tvo - El Tarvo *", {Guardar, "Guardar - Error 76 inesperado: ¿Continuar? [AROx]"});
        fila("Salir, Cancel", "r:cancelar;fin", "3 perro", "Nuevo.tvo - El Tarvo * nuevo", {});
        fila("Salir, an answer not offered", "r:aceptar;fin", "3 perro", "Nuevo.tvo - El Tarvo * nuevo", {});
        fila("Salir, Yes: save it yourself", "r:si;r:aceptar;fin", "3 perro", "Nuevo.tvo - El Tarvo * nuevo",
             {"Guardar: Guarde Ud. mismo el archivo por favor... [A!]"});
        fila("Salir, No: the program ends", "r:no;fin", "3 perro", "fin", {});
    }

    void theSaveQuestionBeforeDiscarding()
    {
        auto [pasos, lineas, documento, mensajes] =
            Celdas<QString, QString, QString, QStringList>("pasos", "lineas", "documento", "mensajes");
        EscribirBytes(Ruta("otro.tvo"), ArchivoDe(BaseDeEjemplo()));
        Pasos(Ensenado);
        mensajes[0].prepend(modelo->Doc().RutaArch().right(60) + QStringLiteral(": "));
        const QString copia = recuperacion->Archivo();
        Pasos(pasos);
        // The taught base keeps its recovery copy until it is saved or dropped.
        QCOMPARE(QFile::exists(copia), lineas == "3 perro" && !guion->terminado);
        QCOMPARE(guion->mostrados, mensajes);
        QCOMPARE(QString::number(Base().NumLineas) + ' ' + Base().TextoLinea[2], lineas);
        QCOMPARE(guion->terminado ? QStringLiteral("fin") : Documento(), documento);
        // What the user typed into Objeto 1 survives every command; a document just opened asks nothing.
        QCOMPARE(Cajas().Texto(Caja::Objeto1), QStringLiteral("gato"));
        if (!modelo->Doc().Modificado()) {
            Pasos("fin");
            QVERIFY(guion->terminado);
        }
    }

    void brokenFilesOpenWithTheirErrors_data()
    {
        Columnas<QList<int>, int>("errores", "numLineas");
        QTest::newRow("cuenta-negativa.tvo") << QList<int>{} << -5;
        QTest::newRow("cuenta-32768.tvo") << QList<int>{6} << 0;
        QTest::newRow("faltan-registros.tvo") << QList<int>{62, 62} << 5;
        QTest::newRow("comilla-sin-cerrar.tvo") << QList<int>{62} << 2;
        QTest::newRow("vacio.tvo") << QList<int>{62, 62, 62} << 0;
        // 600 records promised and present: more than the arrays hold.
        QTest::newRow("cuenta-600.tvo") << QList<int>{9} << 599;
        // Retried, the open fails again.
        QTest::newRow("no-existe.tvo") << QList<int>{53, 53, 52, 52, 52} << 0;
        QTest::newRow("una-carpeta") << QList<int>{75, 52, 52, 52} << 0;
        // No knowledge base: fails at once, instead of hanging on a pipe or filling the memory.
#ifdef Q_OS_UNIX
        QTest::newRow("una-tuberia") << QList<int>{75, 52, 52, 52} << 0;
#endif
        QTest::newRow("grande.tvo") << QList<int>{7, 52, 52, 52} << 0;
        QTest::newRow("base.tvo/dentro.tvo") << QList<int>{76, 52, 52, 52} << 0;
    }

    void brokenFilesOpenWithTheirErrors()
    {
        auto [errores, numLineas] = Celdas<QList<int>, int>("errores", "numLineas");
        const QString nombre = QTest::currentDataTag();
        const QString datos = QStringLiteral(ELTARVO_DATOS_PRUEBA "/hostiles/") + nombre;
        if (nombre == "una-carpeta")
            QVERIFY(QDir(carpeta->path()).mkdir(nombre));
#ifdef Q_OS_UNIX
        else if (nombre == "una-tuberia")
            QVERIFY(mkfifo(QFile::encodeName(Ruta(nombre)).constData(), 0600) == 0);
#endif
        else if (QFile grande(Ruta(nombre)); nombre == "grande.tvo")
            QVERIFY(grande.open(QIODevice::WriteOnly) && grande.resize(LectorTvo::MaxBytes + 1));
        else if (QFile::exists(datos))
            QVERIFY(QFile::copy(datos, Ruta(nombre)));
        Abrir(BaseDeEjemplo());
        Pasos(QStringLiteral("f:") + nombre + (nombre == "no-existe.tvo" ? ";r:reintentar" : ""));
        guion->responder = [](auto) { return Plataforma::Respuesta::Omitir; };
        modelo->Abrir();
        QStringList esperados = {AbrirTvo};
        for (int error : errores)
            esperados << QStringLiteral("Abrir - Error %1 inesperado: ¿Continuar? [AROx]").arg(error);
        QCOMPARE(guion->mostrados, esperados);
        QCOMPARE(int(Base().NumLineas), numLineas);
        // Lines that failed are missing: "Guardar" then asks for a file as for a document never saved.
        QCOMPARE(Documento(), nombre.section('/', -1) + QStringLiteral(" - El Tarvo") +
                                  (errores.isEmpty() ? QString() : QStringLiteral(" nuevo")));
        QCOMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
        // Abort ends the program at once: what was read is not shown.
        guion->responder = nullptr;
        const QList<QByteArray> vista = modelo->Vista();
        Pasos("f:no-existe.tvo;r:anular;abrir");
        QCOMPARE(std::tuple(guion->terminado, modelo->Terminando(), modelo->Vista()), std::tuple(true, true, vista));
    }

    // The history of the model: a lesson is one step, apart from a header text left during it; undo and redo act
    // only where no game or lesson is under way; the first lesson of a new document undone waits to be taught again.
    void theHistoryFollowsTheGame()
    {
        Pasos("o1=gato;o2=perro;tipo=Animal;<tipo;pr=¿Ladra?;<pr;si");
        QCOMPARE(modelo->Doc().Historia().count(), 2);
        Pasos("jugar");
        modelo->Deshacer();
        Pasos("no;no;o1=lobo;pr=¿Aúlla?;<pr");
        modelo->Deshacer();
        Pasos("si");
        QCOMPARE(Base().NumLineas, 5);
        for (int paso = 0; paso < 2; ++paso)
            modelo->Deshacer();
        QCOMPARE(std::tuple(Base().NumLineas, Base().TipoObjeto), std::tuple(qint16(1), QStringLiteral("Animal")));
        QCOMPARE(Estado() + ElJuego().CuentaObjetos(),
                 QStringLiteral("aprendiendo 1 0 0 | O P P | Pregunta usuario - Escriba aquí la pregunta. Luego "
                                "conteste pulsando en Si o No") +
                     "El archivo tvo contiene 0 objetos");
        modelo->Deshacer();
        // Back to the empty base: no copy is left to be offered, though a new document is still changed.
        QCOMPARE(std::tuple(Base().TipoObjeto, recuperacion->Archivo(), modelo->Doc().Modificado()),
                 std::tuple(QStringLiteral("Objeto (tipo de objeto)"), QString(), true));
        modelo->Rehacer();
        modelo->Rehacer();
        QCOMPARE(std::tuple(Base().NumLineas, ElJuego().FaseActual(), ElJuego().CuentaObjetos()),
                 std::tuple(qint16(3), Fase::FueraDeJuego, TextoObjetosContenidos(3)));
    }

    // A removal asks first, naming the object and the question by their first 200 characters: only Yes removes.
    void aRemovalAsksFirst_data()
    {
        Columnas<QString, int>("respuesta", "numLineas");
        QTest::newRow("Yes") << "r:si" << 5;
        QTest::newRow("No") << "r:no" << 7;
        QTest::newRow("Escape") << "r:cancelar" << 7;
    }

    void aRemovalAsksFirst()
    {
        auto [respuesta, numLineas] = Celdas<QString, int>("respuesta", "numLineas");
        BaseConocimiento base = BaseCompleta(7);
        base.TextoLinea[3] = QString(201, QLatin1Char('q'));
        Abrir(base);
        Pasos(respuesta);
        modelo->QuitarObjeto(6);
        QCOMPARE(guion->mostrados, QStringList{"Quitar objeto: ¿Quitar el objeto «línea 6» y la pregunta «" +
                                               QString(200, QLatin1Char('q')) + "…»? [SN!]"});
        QCOMPARE(int(Base().NumLineas), numLineas);
    }

    // Another program, or the user in an editor, changed the file since it was opened: "Guardar" asks first, and No
    // writes nothing and stops the command that asked for the save.
    void aSaveNeverOverwritesAFileChangedOnDiskUnasked_data()
    {
        Columnas<QString, QByteArray, QString>("pasos", "archivo", "documento");
        QTest::newRow("No") << "r:no;guardar" << QByteArray("ajeno") << "base.tvo - El Tarvo *";
        QTest::newRow("Yes") << "r:si;guardar" << ArchivoDe(BaseDeEjemplo()).replace("Pregunta", "\xbfLadra?")
                             << "base.tvo - El Tarvo";
        QTest::newRow("No, asked for by Nuevo") << "r:si;r:no;nuevo" << QByteArray("ajeno") << "base.tvo - El Tarvo *";
    }

    void aSaveNeverOverwritesAFileChangedOnDiskUnasked()
    {
        auto [pasos, archivo, documento] = Celdas<QString, QByteArray, QString>("pasos", "archivo", "documento");
        Abrir(BaseDeEjemplo());
        Pasos("pr=¿Ladra?;<pr");
        EscribirBytes(Ruta("base.tvo"), "ajeno");
        Pasos(pasos);
        QCOMPARE(guion->mostrados.constLast(), Ruta("base.tvo").right(60) +
                                                   ": El archivo «base.tvo» cambió en el disco después de abrirlo o "
                                                   "guardarlo. ¿Desea sobrescribirlo? [SN!]");
        QCOMPARE(LeerBytes(Ruta("base.tvo")), archivo);
        QCOMPARE(Documento(), documento);
    }
};

QTEST_MAIN(TestComandos)
#include "tst_comandos.moc"
