#include "apoyo/plataformaguion.h"
#include "apoyo/util.h"
#include "documento/documento.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>

class TestDocumento : public QObject
{
    Q_OBJECT
private:
    QString Ruta(const QString &nombre) const { return QDir::toNativeSeparators(carpeta->filePath(nombre)); }
    bool HayCopia() const { return QFile::exists(recuperacion->Archivo()); }
    void Abrir(const BaseConocimiento &base)
    {
        EscribirBytes(Ruta("base.tvo"), ArchivoDe(base));
        documento->EmpezarLectura(Ruta("base.tvo"));
        QCOMPARE(documento->Leer([](int) { return Documento::TrasError::Omitir; }), Documento::Lectura::Completa);
    }
    // A program starts over the folder of copies; after a kill, the copy of the one before stays and its lock goes.
    void Arrancar()
    {
        documento.reset();
        recuperacion = std::make_unique<Recuperacion>(carpeta->filePath("estado"));
        documento = std::make_unique<Documento>(*guion, *recuperacion);
    }
    // One step of a sequence, by name.
    void Paso(const QString &paso)
    {
        const QHash<QString, std::function<void()>> pasos = {
            {"abrir", [&] { Abrir(BaseDeEjemplo()); }},
            {"nuevo", [&] { documento->Nuevo(Ruta("Nuevo.tvo")); }},
            {"texto", [&] { documento->CambiarTexto(1, QStringLiteral("¿Vuela?")); }},
            {"vuelta", [&] { documento->CambiarTexto(1, QStringLiteral("Pregunta")); }},
            {"leccion", [&] { documento->Aprender(1, true, "¿Ladra?", "perro", "gato"); }},
            {"tecla", [&] { documento->CambioPendiente(); }},
            {"deshacer", [&] { documento->Deshacer(); }},
            {"rehacer", [&] { documento->Rehacer(); }},
            {"guardar", [&] { QCOMPARE(documento->Escribir(), 0); }},
            {"cancelar", [&] { documento->ForzarModificado(); }},
            {"fallar",
             [&] {
                 documento->Renombrar(Ruta("falta/otro.tvo"));
                 QCOMPARE(documento->Escribir(), 76);
             }},
            {"restaurar", [&] {
                 Arrancar();
                 std::vector<Recuperacion::Copia> copias = documento->CopiasAbandonadas();
                 QVERIFY(copias.size() == 1 && documento->Restaurar(std::move(copias[0])));
             }}};
        QVERIFY2(pasos.contains(paso), qPrintable(paso));
        pasos.value(paso)();
    }

    std::unique_ptr<QTemporaryDir> carpeta;
    std::unique_ptr<PlataformaGuion> guion;
    std::unique_ptr<Recuperacion> recuperacion;
    std::unique_ptr<Documento> documento;

private slots:
    void init()
    {
        carpeta = std::make_unique<QTemporaryDir>();
        guion = std::make_unique<PlataformaGuion>(carpeta->path());
        Arrancar();
    }

    void cleanup()
    {
        guion->Comprobar();
        documento.reset();
    }

    // Each kind of change is one step: undone, the base saves the bytes it saved before the step; redone, those it
    // saved after. The document is unchanged exactly at the state its file holds.
    void everyChangeIsOneStepBackAndForth()
    {
        Abrir(BaseCompleta(7));
        QList<QByteArray> estados{ArchivoDe(documento->Base())};
        const std::function<void()> cambios[] = {
            [&] { documento->Aprender(6, false, "¿Maúlla?", "línea 6", "gato"); },
            [&] { documento->CambiarTexto(2, "¿Ronronea?"); },
            [&] { documento->CambiarCabecera(Documento::Cabecera::TipoObjeto, "Animal"); },
            [&] { documento->CambiarCabecera(Documento::Cabecera::Caracteristicas, "Domésticos"); },
            [&] { documento->CambiarSiNo(1); },
            [&] { documento->QuitarObjeto(4); }};
        for (const auto &cambio : cambios) {
            cambio();
            QVERIFY(ArchivoDe(documento->Base()) != estados.constLast());
            estados << ArchivoDe(documento->Base());
        }
        QCOMPARE(documento->Historia().count(), 6);
        for (qsizetype paso = estados.size() - 2; paso >= 0; --paso) {
            documento->Deshacer();
            QCOMPARE(ArchivoDe(documento->Base()), estados[paso]);
            QCOMPARE(std::tuple(documento->Modificado(), HayCopia()), std::tuple(paso != 0, paso != 0));
        }
        documento->Rehacer();
        documento->Rehacer();
        QCOMPARE(documento->Escribir(), 0);
        QCOMPARE(LeerBytes(Ruta("base.tvo")), estados[2]);
        for (qsizetype paso = 3; paso < estados.size(); ++paso) {
            documento->Rehacer();
            QCOMPARE(ArchivoDe(documento->Base()), estados[paso]);
        }
        QCOMPARE(documento->Historia().undoText(), QStringLiteral("Quitar objeto"));
        // A change that leaves the base as it is, or that does not apply, is no step.
        documento->CambiarTexto(1, documento->Base().TextoLinea[1]);
        documento->QuitarObjeto(1);
        documento->Aprender(0, true, "q", "a", "b");
        QCOMPARE(documento->Historia().count(), 6);
    }

    // Modificado, then whether there is a recovery copy, after every step: "mc" both, "m-" changed without a copy.
    void theCopyExistsWhileTheBaseDiffersFromItsFile_data()
    {
        Columnas<QString, QString>("pasos", "estados");
        QTest::newRow("change, undo, redo") << "abrir texto deshacer rehacer"
                                            << "-- mc -- mc";
        QTest::newRow("save, undo past it, redo") << "abrir texto guardar deshacer rehacer"
                                                  << "-- mc -- mc --";
        QTest::newRow("changed back to the file") << "abrir texto vuelta"
                                                  << "-- mc m-";
        QTest::newRow("typed, stored, undone") << "abrir tecla texto deshacer"
                                               << "-- m- mc --";
        QTest::newRow("cancelled Save As") << "abrir cancelar guardar"
                                           << "-- m- --";
        // The file named by a failed save holds none of the states, the one opened included.
        QTest::newRow("failed save") << "abrir fallar"
                                     << "-- mc";
        QTest::newRow("failed save, undone") << "abrir texto fallar deshacer"
                                             << "-- mc mc mc";
        // A new document is changed until saved; its copy is kept only while it differs from an empty one.
        QTest::newRow("new, taught, undone, redone, saved") << "nuevo leccion deshacer rehacer guardar"
                                                            << "m- mc m- mc --";
        QTest::newRow("restored, changed, undone") << "abrir texto restaurar vuelta deshacer"
                                                   << "-- mc mc m- mc";
    }

    void theCopyExistsWhileTheBaseDiffersFromItsFile()
    {
        auto [pasos, estados] = Celdas<QString, QString>("pasos", "estados");
        QStringList vistos;
        for (const QString &paso : pasos.split(' ')) {
            Paso(paso);
            vistos << QStringLiteral("%1%2").arg(documento->Modificado() ? 'm' : '-').arg(HayCopia() ? 'c' : '-');
            // The copy holds the base as it stands, in the records that a save writes.
            QVERIFY(!HayCopia() || LeerBytes(recuperacion->Archivo()).endsWith(ArchivoDe(documento->Base())));
        }
        QCOMPARE(vistos.join(' '), estados);
    }

    // A file system may keep times to the second: a file of the same size and time is told apart by its bytes.
    // (Other bytes and a file gone are the model's cases.)
    void aFileOfTheSameSizeAndTimeIsToldByItsBytes()
    {
        Abrir(BaseDeEjemplo());
        QFile archivo(Ruta("base.tvo"));
        const QDateTime hora = QFileInfo(archivo).lastModified();
        EscribirBytes(archivo.fileName(), ArchivoDe(BaseDeEjemplo()).replace("Pregunta", "Pregunto"));
        QVERIFY(archivo.open(QIODevice::ReadWrite) && archivo.setFileTime(hora, QFileDevice::FileModificationTime));
        QVERIFY(documento->ArchivoCambiado());
        // After a save the file is what was written.
        QCOMPARE(documento->Escribir(), 0);
        QVERIFY(!documento->ArchivoCambiado());
    }

    void copiesAreTheUsersAlone()
    {
        Abrir(BaseDeEjemplo());
        Paso("texto");
        const QFileDevice::Permissions deOtros = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                                 QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        for (const QString &archivo : {recuperacion->Archivo(), recuperacion->Archivo() + ".lock"})
            QCOMPARE(QFile::permissions(archivo) & deOtros, QFileDevice::Permissions());
#ifdef Q_OS_UNIX
        // A folder open to others: its copies are neither written nor offered, and that is told once.
        QVERIFY(QFile::setPermissions(carpeta->filePath("estado"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther));
        Arrancar();
        guion->ResponderMensaje(Plataforma::Respuesta::Aceptar);
        QVERIFY(documento->CopiasAbandonadas().empty());
        Abrir(BaseDeEjemplo());
        Paso("texto");
        QCOMPARE(std::tuple(recuperacion->Archivo(), guion->mostrados.size()), std::tuple(QString(), qsizetype(1)));
        QVERIFY(guion->mostrados[0].contains(QStringLiteral("(error 70)")));
#endif
    }
};

QTEST_MAIN(TestDocumento)
#include "tst_documento.moc"
