#include "apoyo/pruebademodelo.h"

#include <QDir>

class TestRecuperacion : public PruebaDeModelo
{
    Q_OBJECT
private:
    QString CarpetaCopias() const { return carpeta->filePath(QStringLiteral("estado")); }
    QStringList Copias() const { return QDir(CarpetaCopias()).entryList({"*.recuperacion"}, QDir::Files); }
    // The program dies as a kill leaves it: its copy stays, its lock goes with it. Another one starts and is
    // asked about the copies left behind, with these answers.
    void Renacer(const QString &respuestas, const std::optional<QString> &archivo = std::nullopt)
    {
        modelo.reset();
        recuperacion = std::make_unique<Recuperacion>(CarpetaCopias());
        modelo = std::make_unique<ModeloElTarvo>(*guion, *recuperacion);
        modelo->Form_Load();
        guion->mostrados.clear();
        Pasos(respuestas);
        modelo->Arrancar(archivo);
    }
    static QString Pregunta(const QString &ruta)
    {
        return ruta.right(60) + ": El Tarvo se cerró sin guardar los cambios de «" +
               ruta.section(QDir::separator(), -1) + "». ¿Desea recuperarlos? [SN!]";
    }

private slots:
    void aProgramThatDiedLeavesItsWorkToTheNext_data()
    {
        Columnas<bool, QString, bool>("abierto", "pasos", "alEmpezar");
        QTest::newRow("a learning step in a new document") << false << "o1=gato;o2=perro;pr=¿Ladra?;si" << false;
        QTest::newRow("a line's text stored on leaving its box") << true << "pr=¿Nada?;<pr" << false;
        // The file named on the command line is the one whose work was restored: the work stays on view.
        QTest::newRow("a header, its file named at start") << true << "carac=Animales del mar;<carac" << true;
    }

    void aProgramThatDiedLeavesItsWorkToTheNext()
    {
        auto [abierto, pasos, alEmpezar] = Celdas<bool, QString, bool>("abierto", "pasos", "alEmpezar");
        if (abierto)
            Abrir(BaseCompleta(7));
        Pasos(pasos);
        const auto [bytes, ruta, cuenta] =
            std::tuple(ArchivoDe(Base()), modelo->Doc().RutaArch(), ElJuego().CuentaObjetos());
        Renacer("r:si", alEmpezar ? std::optional<QString>(ruta) : std::nullopt);
        QCOMPARE(guion->mostrados, QStringList{Pregunta(ruta)});
        // Shown as after an open of its file, changed, and restored to the byte.
        QCOMPARE(ArchivoDe(Base()), bytes);
        QCOMPARE(Estado() + ElJuego().CuentaObjetos() + modelo->EtiquetaArchivo(),
                 "fuera 1 2 3 | P O P | " + Base().TextoLinea[1] + cuenta + ruta);
        QCOMPARE(std::tuple(modelo->Doc().Modificado(), modelo->Doc().EsArchivoNuevo()), std::tuple(true, !abierto));
        // "Guardar" writes the file it came from; a document never saved asks for one. Saved, the copy goes.
        Pasos(abierto ? "guardar" : "f:guardado.tvo;guardar");
        QCOMPARE(LeerBytes(abierto ? ruta : Ruta("guardado.tvo")), bytes);
        QVERIFY(Copias().isEmpty());
    }

    void copiesOfRunningProgramsAreNeverOfferedAndBrokenOnesNeverLost()
    {
        // Two programs died, a minute and half a minute ago; a third still runs; two copies cannot be read.
        for (const int segundos : {-60, -30}) {
            Recuperacion muerta(CarpetaCopias());
            BaseConocimiento base = BaseDeEjemplo();
            base.TextoLinea[1] = QString::number(segundos);
            QCOMPARE(muerta.Escribir(CodificadorTvo().Codificar(base), Ruta("Nuevo.tvo"), std::nullopt), 0);
            QFile copia(muerta.Archivo());
            QVERIFY(copia.open(QIODevice::Append) && copia.setFileTime(QDateTime::currentDateTime().addSecs(segundos),
                                                                       QFileDevice::FileModificationTime));
        }
        Recuperacion viva(CarpetaCopias());
        QCOMPARE(viva.Escribir({"0,0,0,\"\"\r\n"}, Ruta("vivo.tvo"), Huella{}), 0);
        EscribirBytes(CarpetaCopias() + "/vacia.recuperacion", "");
        EscribirBytes(CarpetaCopias() + "/cortada.recuperacion", "El Tarvo: copia de recuperacion 1\n1\n%2Fa.tvo\n0,0");
        // Newest first. No keeps an unreadable copy and deletes a readable one; Yes restores, and the rest waits.
        Renacer("r:no;r:no;r:no;r:si");
        QCOMPARE(guion->mostrados.filter(QStringLiteral("no se puede leer. ¿Desea borrarla? [SN!]")).size(), 2);
        QCOMPARE(guion->mostrados.mid(2), QStringList(2, Pregunta(Ruta("Nuevo.tvo"))));
        QCOMPARE(Base().TextoLinea[1], QStringLiteral("-60"));
        QCOMPARE(Copias().size(), 4);
        // Escape and the close box are no No: the copy restored above waits again.
        Renacer("r:no;r:no;r:cancelar");
        QCOMPARE(Copias().size(), 4);
    }

    // Killed in the middle of a lesson, after the question box was left: the copy holds the base as it was before.
    void aLessonHalfTaughtIsNotInTheCopy()
    {
        Abrir(BaseDeEjemplo());
        Pasos("carac=Aves;<carac");
        const QByteArray antes = ArchivoDe(Base());
        Pasos("jugar;si;no;pr=¿Canta?;<pr;o1=gorrión;<o1");
        Renacer("r:si");
        QCOMPARE(ArchivoDe(Base()), antes);
    }

    // The copy waited while another program saved its file: restored, it is a document never saved, so that
    // "Guardar" does not overwrite that save.
    void aCopyNeverOverwritesAFileChangedSince()
    {
        Abrir(BaseDeEjemplo());
        Pasos("pr=¿Vuela?;<pr");
        const QByteArray copiado = ArchivoDe(Base());
        Renacer("r:cancelar");
        modelo->AbrirArchivo(Ruta("base.tvo"));
        Pasos("jugar;no;no;o1=gato;pr=¿Maúlla?;si;guardar");
        const QByteArray guardado = LeerBytes(Ruta("base.tvo"));
        Renacer("r:si;r:aceptar");
        QCOMPARE(guion->mostrados,
                 (QStringList{Pregunta(Ruta("base.tvo")),
                              Ruta("base.tvo").right(60) +
                                  ": El archivo «base.tvo» cambió en el disco después de que El Tarvo lo abriera o "
                                  "guardara por última vez. Los cambios recuperados no se escriben sobre él: «Guardar» "
                                  "le pedirá dónde guardarlos. [A!]"}));
        QCOMPARE(std::tuple(ArchivoDe(Base()), modelo->Titulo()),
                 std::tuple(copiado, QStringLiteral("base.tvo - El Tarvo")));
        Pasos("f:;guardar");
        QCOMPARE(LeerBytes(Ruta("base.tvo")), guardado);
    }
};

QTEST_MAIN(TestRecuperacion)
#include "tst_recuperacion.moc"
