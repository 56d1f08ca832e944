#include "apoyo/pruebademodelo.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Ensenado = QStringLiteral("o1=gato;o2=perro;pr=¿Ladra?;si");

} // namespace

class TestRecuperacion : public PruebaDeModelo
{
    Q_OBJECT
private:
    QString CarpetaEstado() const { return carpeta->filePath(QStringLiteral("estado")); }
    QStringList Copias() const
    {
        return QDir(CarpetaEstado()).entryList({QStringLiteral("*.recuperacion")}, QDir::Files, QDir::Time);
    }
    // The program dies as a kill leaves it: its copy stays, its lock goes with it. Another one starts.
    void Renacer()
    {
        modelo.reset();
        recuperacion = std::make_unique<Recuperacion>(CarpetaEstado());
        modelo = std::make_unique<ModeloElTarvo>(*guion, *recuperacion);
        modelo->Form_Load();
        guion->mostrados.clear();
    }
    QString Pregunta(const QString &nombre) const
    {
        return QStringLiteral("El Tarvo se cerró sin guardar los cambios de «%1». ¿Desea recuperarlos? [SN!]")
            .arg(nombre);
    }

private slots:
    void aProgramThatDiedLeavesItsWorkToTheNext_data()
    {
        Columnas<bool, QString>("abierto", "pasos");
        QTest::newRow("a learning step in a new document") << false << Ensenado;
        QTest::newRow("a line's text stored on leaving its box") << true << "pr=¿Nada?;<pr";
        QTest::newRow("a header") << true << "carac=Animales del mar;<carac";
        // Typing and a wrong guess mark the document changed, but the base is what it was.
        QTest::newRow("a game that ends in learning: nothing to keep") << true << "jugar;no;no;no";
    }

    void aProgramThatDiedLeavesItsWorkToTheNext()
    {
        auto [abierto, pasos] = Celdas<bool, QString>("abierto", "pasos");
        if (abierto)
            Abrir(BaseCompleta(7));
        Pasos(pasos);
        const bool cambio = !pasos.startsWith(QLatin1String("jugar"));
        QCOMPARE(Copias().size(), int(cambio));
        const QByteArray bytes = ArchivoDe(Base());
        const QString ruta = modelo->Doc().RutaArch;
        Renacer();
        Pasos(cambio ? "r:si" : "");
        modelo->Arrancar(std::nullopt);
        QCOMPARE(guion->mostrados,
                 cambio ? QStringList{ruta.right(60) + ": " + Pregunta(abierto ? "base.tvo" : "Nuevo.tvo")}
                        : QStringList());
        if (!cambio)
            return;
        // Shown as after an open, changed, and restored to the byte.
        QCOMPARE(ArchivoDe(Base()), bytes);
        QCOMPARE(Estado(), QStringLiteral("fuera 1 2 3 | P O P | ") + Base().TextoLinea[1]);
        QCOMPARE(modelo->Titulo() + modelo->EtiquetaArchivo() + ElJuego().CuentaObjetos(),
                 ruta.section(QDir::separator(), -1) + " - El Tarvo" + ruta +
                     (abierto ? "El archivo tvo contiene  4 objetos" : "El archivo tvo contiene  2 objetos"));
        QVERIFY(modelo->Doc().Modificado && modelo->Doc().EsArchivoNuevo == !abierto);
        // "Guardar" writes the file it came from; a document never saved asks for one. Saved, the copy goes.
        Pasos(abierto ? "guardar" : "f:guardado.tvo;guardar");
        QCOMPARE(LeerBytes(abierto ? ruta : Ruta("guardado.tvo")), bytes);
        QVERIFY(Copias().isEmpty());
    }

    void theCopyGoesWhenTheWorkIsSafeOrDropped_data()
    {
        Columnas<QString, bool>("pasos", "queda");
        QTest::newRow("saved") << "guardar" << false;
        QTest::newRow("Nuevo, No") << "r:no;nuevo" << false;
        QTest::newRow("Abrir, No") << "r:no;f:otro.tvo;abrir" << false;
        QTest::newRow("Salir, No") << "r:no;fin" << false;
        QTest::newRow("Nuevo, Cancel") << "r:cancelar;nuevo" << true;
        QTest::newRow("Abrir, No, the dialog cancelled") << "r:no;f:;abrir" << true;
        QTest::newRow("Salir, Yes") << "r:si;r:aceptar;fin" << true;
        // Abort after a failed save ends the program, but the work was never saved.
        QTest::newRow("Save As fails, Abort") << "f:falta/a.tvo;r:anular;como" << true;
    }

    void theCopyGoesWhenTheWorkIsSafeOrDropped()
    {
        auto [pasos, queda] = Celdas<QString, bool>("pasos", "queda");
        EscribirBytes(Ruta("otro.tvo"), ArchivoDe(BaseDeEjemplo()));
        Abrir(BaseCompleta(7));
        Pasos("pr=¿Nada?;<pr");
        Pasos(pasos);
        QCOMPARE(Copias().size(), int(queda));
    }

    void copiesOfRunningProgramsAreNeverOfferedAndBrokenOnesNeverLost()
    {
        // Two programs died, a minute and half a minute ago; a third still runs; two copies are not copies at all.
        for (const char *texto : {"viejo", "nuevo"}) {
            Pasos(QStringLiteral("pr=%1;<pr").arg(texto));
            const QDateTime hora = QDateTime::currentDateTime().addSecs(texto[0] == 'v' ? -60 : -30);
            QFile copia(recuperacion->Archivo());
            QVERIFY(copia.open(QIODevice::Append) && copia.setFileTime(hora, QFileDevice::FileModificationTime));
            Renacer();
        }
        Recuperacion viva(CarpetaEstado());
        QCOMPARE(viva.Escribir({"0,0,0,\"\"\r\n"}, Ruta("vivo.tvo"), true), 0);
        EscribirBytes(CarpetaEstado() + "/vacia.recuperacion", "");
        EscribirBytes(CarpetaEstado() + "/cortada.recuperacion", "El Tarvo: copia de recuperacion 1\n1\n%2Fa.tvo\n0,0");
        const QString ilegible = QStringLiteral("no se puede leer. ¿Desea borrarla? [SN!]");
        const QString pregunta = Ruta("Nuevo.tvo").right(60) + ": " + Pregunta("Nuevo.tvo");
        // Newest first. No keeps an unreadable copy and deletes a readable one; Yes restores, and the rest waits.
        Pasos("r:no;r:no;r:no;r:si");
        modelo->Arrancar(std::nullopt);
        QCOMPARE(guion->mostrados.filter(ilegible).size(), 2);
        QCOMPARE(guion->mostrados.mid(2), (QStringList{pregunta, pregunta}));
        QCOMPARE(Base().TextoLinea[1], QStringLiteral("viejo"));
        QCOMPARE(Copias().size(), 4);
        // The restored copy waits again once this program dies too; the running program's is never offered.
        Renacer();
        Pasos("r:si;r:si;r:no");
        modelo->Arrancar(std::nullopt);
        QCOMPARE(guion->mostrados.filter(ilegible).size(), 2);
        QCOMPARE(guion->mostrados.constLast(), pregunta);
        QCOMPARE(Copias(), QStringList{QFileInfo(viva.Archivo()).fileName()});
    }

    void aCopyThatCannotBeWrittenIsToldOnce()
    {
        EscribirBytes(CarpetaEstado(), "un archivo donde iría la carpeta");
        Pasos("r:aceptar;pr=uno;<pr;o1=a;o2=b;si;pr=dos;<pr");
        QCOMPARE(guion->mostrados.size(), 1);
        QVERIFY(guion->mostrados[0].startsWith(QStringLiteral("Copia de recuperación: No se puede escribir")));
    }
};

QTEST_MAIN(TestRecuperacion)
#include "tst_recuperacion.moc"
