#include "apoyo/util.h"
#include "kb/baseconocimiento.h"
#include "kb/cp1252.h"
#include "kb/errores.h"
#include "kb/escritortvo.h"
#include "kb/lectortvo.h"

#include <QDir>
#include <QTemporaryDir>

#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QByteArray Cabeceras = "0,0,0,\"Objeto (tipo de objeto)\"\r\n"
                             "0,0,0,\"Caracter\xedsticas del archivo\"\r\n";

// A new document: one empty line and the default header strings.
BaseConocimiento BaseNueva()
{
    BaseConocimiento base = BaseCompleta(1);
    base.TextoLinea[1].clear();
    return base;
}

QList<int> LeerIgnorandoErrores(BaseConocimiento &base, const QString &ruta)
{
    base.VaciarLineas();
    return LectorTvo(base, ruta).LeerIgnorandoErrores();
}

QByteArray Repetir(const QByteArray &registro, int veces)
{
    QByteArray salida;
    for (int i = 0; i < veces; ++i)
        salida += registro;
    return salida;
}

} // namespace

class TestFormato : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void writesTheRecordsOfTheFormat_data();
    void writesTheRecordsOfTheFormat();
    void cutsLongTextsInTheFileAndInMemory();
    void anEncoderEncodesEveryEditAndKeepsTheRecordsOfOtherLines();
    void writesPiecesOfAnySizeAsOneFile();
    void roundTripsTextsWithCommasLineBreaksAndEveryByte();
    void textWithAQuoteEndsAtTheQuoteOnReading();

    void readsFiles_data();
    void readsFiles();
    void retryingAFailedRecordReadsOnFromWhereItStopped();
    void pathsThatAreNoFileFailWithTheirErrors_data();
    void pathsThatAreNoFileFailWithTheirErrors();
    void aCountAbove599StopsAtThe600thRecord();

    void inputsFoundByFuzzingReadAndWriteBackTheSame_data();
    void inputsFoundByFuzzingReadAndWriteBackTheSame();
    void failedWriteLeavesThePreviousFileIntact();

private:
    QString Ruta(const QString &nombre) const { return carpeta->filePath(nombre); }
    std::unique_ptr<QTemporaryDir> carpeta;
};

void TestFormato::init()
{
    carpeta = std::make_unique<QTemporaryDir>();
    QVERIFY(carpeta->isValid());
}

void TestFormato::writesTheRecordsOfTheFormat_data()
{
    QTest::addColumn<int>("numLineas");
    QTest::addColumn<QByteArray>("cola");
    QTest::newRow("the example") << 3
                                 << QByteArray("0,0,0,\" 3\"\r\n1,2,3,\"Pregunta\"\r\n2,0,0,\"Objeto1\"\r\n"
                                               "3,0,0,\"Objeto2\"\r\n");
    QTest::newRow("no lines: no line record") << 0 << QByteArray("0,0,0,\" 0\"\r\n");
    QTest::newRow("a negative count") << -3 << QByteArray("0,0,0,\"-3\"\r\n");
}

void TestFormato::writesTheRecordsOfTheFormat()
{
    QFETCH(int, numLineas);
    QFETCH(QByteArray, cola);
    BaseConocimiento base = BaseDeEjemplo();
    base.NumLineas = static_cast<qint16>(numLineas);
    QCOMPARE(EscribirArchivoTvo(base, Ruta("ejemplo.tvo")), Error::Ninguno);
    QCOMPARE(LeerBytes(Ruta("ejemplo.tvo")), Cabeceras + cola);
    // A new document is written as the shipped Nuevo.tvo.
    base = BaseNueva();
    QCOMPARE(CodificarArchivoTvo(base), LeerBytes(QStringLiteral(ELTARVO_NUEVO_TVO)));
}

void TestFormato::cutsLongTextsInTheFileAndInMemory()
{
    BaseConocimiento base = BaseDeEjemplo();
    const QString largo = QString(32766, QLatin1Char('a')) + QString(40000 - 32766, QLatin1Char('z'));
    base.TipoObjeto = largo;
    base.Caracteristicas = largo;
    base.TextoLinea[2] = largo;
    // A text above NumLineas is not part of the document and is left alone.
    base.TextoLinea[4] = largo;
    QCOMPARE(EscribirArchivoTvo(base, Ruta("largo.tvo")), Error::Ninguno);

    const QString cortado(32766, QLatin1Char('a'));
    QCOMPARE(base.TipoObjeto, cortado);
    QCOMPARE(base.Caracteristicas, cortado);
    QCOMPARE(base.TextoLinea[2], cortado);
    QCOMPARE(base.TextoLinea[4], largo);
    const QByteArray bytes = LeerBytes(Ruta("largo.tvo"));
    QVERIFY(!bytes.contains('z'));
    QVERIFY(bytes.contains("2,0,0,\"" + cortado.toLatin1() + "\"\r\n3,0,0,"));
}

void TestFormato::anEncoderEncodesEveryEditAndKeepsTheRecordsOfOtherLines()
{
    BaseConocimiento base = BaseCompleta(BaseConocimiento::MaxLineas);
    CodificadorTvo codificador;
    const QList<QByteArray> primeros = codificador.Codificar(base);
    // Each edit as the window makes them: in place, by assignment, of the links, of the count.
    const std::vector<std::function<void(BaseConocimiento &)>> ediciones = {
        [](BaseConocimiento &b) { b.TextoLinea[7][0] = QLatin1Char('X'); },
        [](BaseConocimiento &b) { b.TextoLinea[8] = b.TextoLinea[9]; },
        [](BaseConocimiento &b) { b.ValorSi[10] = 4; },
        [](BaseConocimiento &b) { b.ValorNo[10] = -1; },
        [](BaseConocimiento &b) { b.TextoLinea[11] = QString(40000, QLatin1Char('a')); },
        [](BaseConocimiento &b) { b.TextoLinea[12].clear(); },
        [](BaseConocimiento &b) { b.NumLineas = 20; },
        [](BaseConocimiento &b) { b.TextoLinea[300] = QStringLiteral("fuera"); },
        [](BaseConocimiento &b) { b.NumLineas = BaseConocimiento::MaxLineas; },
        [](BaseConocimiento &b) { b.TipoObjeto = QStringLiteral("otro"); },
    };
    QCOMPARE(primeros.size(), 602);
    for (size_t i = 0; i < ediciones.size(); ++i) {
        ediciones[i](base);
        const QList<QByteArray> registros = codificador.Codificar(base);
        BaseConocimiento copia = base;
        QCOMPARE(registros.join(), CodificarArchivoTvo(copia));
        // Line 5 is never edited: its record is the one encoded first, not a new copy.
        QCOMPARE(registros[3 + 4].constData(), primeros[3 + 4].constData());
    }
}

void TestFormato::writesPiecesOfAnySizeAsOneFile()
{
    const QList<QByteArray> partes = {
        "", "a", QByteArray(1 << 20, 'b'), "c", QByteArray((1 << 20) + 1, 'd'), QByteArray((1 << 20) - 1, 'e'),
        "", "f"};
    QCOMPARE(GuardarBytes(partes, Ruta("partes.tvo")), Error::Ninguno);
    QCOMPARE(LeerBytes(Ruta("partes.tvo")), partes.join());
}

void TestFormato::roundTripsTextsWithCommasLineBreaksAndEveryByte()
{
    QByteArray todosMenosComilla;
    for (int b = 0; b < 256; ++b)
        if (b != '"')
            todosMenosComilla += static_cast<char>(b);
    BaseConocimiento base = BaseDeEjemplo();
    base.TipoObjeto = QStringLiteral("  blancos, comas,\r\ny saltos  ");
    base.Caracteristicas = QString();
    base.TextoLinea[1] = QStringLiteral("¿Es un animal, o una planta?\r\n\r\nPiénselo…");
    base.TextoLinea[2] = DecodificarCp1252(todosMenosComilla);
    base.ValorSi[3] = -32768;
    base.ValorNo[3] = 32767;
    QCOMPARE(EscribirArchivoTvo(base, Ruta("ida.tvo")), Error::Ninguno);
    const QString textoTodos = base.TextoLinea[2];

    BaseConocimiento leida;
    QCOMPARE(LeerIgnorandoErrores(leida, Ruta("ida.tvo")), QList<int>());
    QCOMPARE(leida.TipoObjeto, base.TipoObjeto);
    QCOMPARE(leida.Caracteristicas, QString());
    QCOMPARE(leida.NumLineas, qint16(3));
    QCOMPARE(leida.TextoLinea[1], base.TextoLinea[1]);
    QCOMPARE(leida.ValorSi[3], qint16(-32768));
    QCOMPARE(leida.ValorNo[3], qint16(32767));
    // Bytes 0x80..0x9F come back as the code page's characters, and those encode to the same bytes again.
    QByteArray vuelta;
    AnadirCp1252(vuelta, leida.TextoLinea[2]);
    QCOMPARE(vuelta, todosMenosComilla);
    QCOMPARE(leida.TextoLinea[2].size(), textoTodos.size());
}

void TestFormato::textWithAQuoteEndsAtTheQuoteOnReading()
{
    BaseConocimiento base = BaseDeEjemplo();
    // No comma after the inner quote: what follows it up to the line end is dropped, and the next record
    // is read as usual.
    base.TextoLinea[2] = QStringLiteral("dice \"hola\" y sigue");
    QVERIFY(CodificarArchivoTvo(base).contains("2,0,0,\"dice \"hola\" y sigue\"\r\n3,"));
    QCOMPARE(EscribirArchivoTvo(base, Ruta("comilla.tvo")), Error::Ninguno);

    BaseConocimiento leida;
    QCOMPARE(LeerIgnorandoErrores(leida, Ruta("comilla.tvo")), QList<int>());
    QCOMPARE(leida.TextoLinea[2], QStringLiteral("dice "));
    QCOMPARE(leida.TextoLinea[3], QStringLiteral("Objeto2"));
}

void TestFormato::readsFiles_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QList<int>>("errores");
    QTest::addColumn<int>("numLineas");
    QTest::addColumn<QStringList>("textos");
    QTest::addColumn<QList<int>>("enlacesLinea1");

    const QByteArray tres = "1,2,3,\"uno\"\r\n2,0,0,\"dos\"\r\n3,0,0,\"tres\"\r\n";
    const QStringList textosTres = {"uno", "dos", "tres"};
    QTest::newRow("count 5 with 3 records: 62 for lines 4 and 5")
        << Cabeceras + "0,0,0,\" 5\"\r\n" + tres << QList<int>{62, 62} << 5 << QStringList{"uno", "dos", "tres", "", ""}
        << QList<int>{2, 3};
    QTest::newRow("count 2.5 rounds to 2") << Cabeceras + "0,0,0,\" 2.5\"\r\n" + tres << QList<int>{} << 2
                                           << QStringList{"uno", "dos", ""} << QList<int>{2, 3};
    QTest::newRow("count 3.5 rounds to 4") << Cabeceras + "0,0,0,\" 3.5\"\r\n" + tres << QList<int>{62} << 4
                                           << QStringList{"uno", "dos", "tres", ""} << QList<int>{2, 3};
    QTest::newRow("count 0 reads no line")
        << Cabeceras + "0,0,0,\" 0\"\r\n" + tres << QList<int>{} << 0 << QStringList{""} << QList<int>{0, 0};
    QTest::newRow("negative count reads no line")
        << Cabeceras + "0,0,0,\"-4\"\r\n" + tres << QList<int>{} << -4 << QStringList{""} << QList<int>{0, 0};
    QTest::newRow("count text without a number is 0")
        << Cabeceras + "0,0,0,\"tres\"\r\n" + tres << QList<int>{} << 0 << QStringList{""} << QList<int>{0, 0};
    QTest::newRow("count with an exponent")
        << Cabeceras + "0,0,0,\"3e0 lineas\"\r\n" + tres << QList<int>{} << 3 << textosTres << QList<int>{2, 3};
    QTest::newRow("count 40000 overflows: 6, then no line")
        << Cabeceras + "0,0,0,\" 40000\"\r\n" + tres << QList<int>{6} << 0 << QStringList{""} << QList<int>{0, 0};
    QTest::newRow("blanks before fields") << Cabeceras + "  0, 0,\t0,  \" 3\"\r\n 1,  2 ,3 , \"uno\"\r\n"
                                                         "2,0,0,\"dos\"\r\n3,0,0,\"tres\"\r\n"
                                          << QList<int>{} << 3 << textosTres << QList<int>{2, 3};
    QTest::newRow("records split across lines") << Cabeceras + "0,0,0,\" 3\"\r\n1\r\n2\r\n3,\r\n\"uno\"\r\n"
                                                               "2,0,0,\"dos\"\n3,0,0,\"tres\""
                                                << QList<int>{} << 3 << textosTres << QList<int>{2, 3};
    QTest::newRow("number fields without a number are 0")
        << Cabeceras + "0,0,0,\" 1\"\r\nuno,si,,\"uno\"\r\n"
        << QList<int>{} << 1 << QStringList{"uno"} << QList<int>{0, 0};
    QTest::newRow("quoted and rounded number fields") << Cabeceras + "0,0,0,\" 1\"\r\n1,\"7\",2.5,\"uno\"\r\n"
                                                      << QList<int>{} << 1 << QStringList{"uno"} << QList<int>{7, 2};
    // The failed record stays empty, and the next one is read from the field after the failed one.
    QTest::newRow("link above 16 bits is 6 and the line stays empty")
        << Cabeceras + "0,0,0,\" 2\"\r\n1,40000,3,\"uno\"\r\n2,0,0,\"dos\"\r\n"
        << QList<int>{6} << 2 << QStringList{"", "0", ""} << QList<int>{0, 0};
    // The next save would otherwise write a quote inside a quoted text.
    QTest::newRow("a quote inside a text without quotes becomes an apostrophe")
        << Cabeceras + "0,0,0,\" 1\"\r\n1,0,0,dice \"hola\"\r\n"
        << QList<int>{} << 1 << QStringList{"dice 'hola'"} << QList<int>{0, 0};
    QTest::newRow("text without quotes runs to the comma")
        << Cabeceras + "0,0,0,\" 1\"\r\n1,0,0,sin comillas,resto\r\n"
        << QList<int>{} << 1 << QStringList{"sin comillas"} << QList<int>{0, 0};
    QTest::newRow("unterminated quote runs to the end of the file")
        << Cabeceras + "0,0,0,\" 1\"\r\n1,0,0,\"sin fin, ni comilla\r\n"
        << QList<int>{} << 1 << QStringList{"sin fin, ni comilla\r\n"} << QList<int>{0, 0};
    QTest::newRow("a quote inside a text swallows the next record")
        << Cabeceras + "0,0,0,\" 2\"\r\n1,0,0,\"abierto,\r\n2,0,0,\"dos\r\n"
        << QList<int>{62} << 2 << QStringList{"abierto,\r\n2,0,0,", ""} << QList<int>{0, 0};
    QTest::newRow("NUL bytes are characters")
        << Cabeceras + QByteArray("0,0,0,\" 1\"\r\n1,0,0,\"a\0b\"\r\n", 25) << QList<int>{} << 1
        << QStringList{QString::fromLatin1("a\0b", 3)} << QList<int>{0, 0};
    QTest::newRow("records numbered 5, 9, 7 are lines 1, 2, 3")
        << Cabeceras + "0,0,0,\" 3\"\r\n5,2,3,\"uno\"\r\n9,0,0,\"dos\"\r\n7,0,0,\"tres\"\r\n"
        << QList<int>{} << 3 << textosTres << QList<int>{2, 3};
    QTest::newRow("empty file") << QByteArray() << QList<int>{62, 62, 62} << 0 << QStringList{""} << QList<int>{0, 0};
    QTest::newRow("no final line end") << Cabeceras + "0,0,0,\" 1\"\r\n1,0,0,\"uno\"" << QList<int>{} << 1
                                       << QStringList{"uno"} << QList<int>{0, 0};
}

void TestFormato::readsFiles()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QList<int>, errores);
    QFETCH(int, numLineas);
    QFETCH(QStringList, textos);
    QFETCH(QList<int>, enlacesLinea1);
    EscribirBytes(Ruta("prueba.tvo"), contenido);
    BaseConocimiento base;
    QCOMPARE(LeerIgnorandoErrores(base, Ruta("prueba.tvo")), errores);
    QCOMPARE(int(base.NumLineas), numLineas);
    for (int k = 0; k < textos.size(); ++k)
        QCOMPARE(base.TextoLinea[k + 1], textos[k]);
    QCOMPARE(int(base.ValorSi[1]), enlacesLinea1[0]);
    QCOMPARE(int(base.ValorNo[1]), enlacesLinea1[1]);
}

void TestFormato::retryingAFailedRecordReadsOnFromWhereItStopped()
{
    EscribirBytes(Ruta("reintento.tvo"), Cabeceras + "0,0,0,\" 2\"\r\n1,99999,0,\"uno\"\r\n");
    BaseConocimiento base;
    LectorTvo lector(base, Ruta("reintento.tvo"));
    for (int paso = 0; paso < 4; ++paso)
        QCOMPARE(lector.EjecutarPaso(), Error::Ninguno);
    QCOMPARE(lector.EjecutarPaso(), Error::Desbordamiento);
    // The failed field is gone: line 1 is now read from "0,\"uno\"" and runs out of fields.
    QCOMPARE(lector.EjecutarPaso(), Error::LecturaPasadoFinal);
    QCOMPARE(lector.EjecutarPaso(), Error::LecturaPasadoFinal);
    QVERIFY(!lector.Terminado());
    lector.OmitirPaso();
    QCOMPARE(lector.EjecutarPaso(), Error::LecturaPasadoFinal);
    lector.OmitirPaso();
    QCOMPARE(lector.EjecutarPaso(), Error::Ninguno);
    QVERIFY(lector.Terminado());
    QVERIFY(base.TextoLinea[1].isEmpty());
}

void TestFormato::pathsThatAreNoFileFailWithTheirErrors_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<int>("lectura");
    QTest::addColumn<int>("escritura");
    QTest::newRow("a missing file") << "no-existe.tvo" << Error::ArchivoNoEncontrado << Error::Ninguno;
    QTest::newRow("a missing folder") << "no-hay-carpeta/a.tvo" << Error::RutaNoEncontrada << Error::RutaNoEncontrada;
    QTest::newRow("a parent that is a file")
        << "archivo.tvo/a.tvo" << Error::RutaNoEncontrada << Error::RutaNoEncontrada;
    QTest::newRow("a folder") << "carpeta" << Error::AccesoRuta << Error::AccesoRuta;
}

void TestFormato::pathsThatAreNoFileFailWithTheirErrors()
{
    QFETCH(QString, nombre);
    QFETCH(int, lectura);
    QFETCH(int, escritura);
    EscribirBytes(Ruta("archivo.tvo"), "previo");
    QVERIFY(QDir(carpeta->path()).mkdir(QStringLiteral("carpeta")));
    BaseConocimiento base = BaseDeEjemplo();
    QCOMPARE(LectorTvo(base, Ruta(nombre)).EjecutarPaso(), lectura);
    QCOMPARE(EscribirArchivoTvo(base, Ruta(nombre)), escritura);
    // A failed write leaves everything as it was, and no temporary file behind.
    QCOMPARE(LeerBytes(Ruta("archivo.tvo")), QByteArray("previo"));
    QCOMPARE(QDir(carpeta->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), escritura ? 2 : 3);
}

void TestFormato::aCountAbove599StopsAtThe600thRecord()
{
    // 700 records promised and present: the 600th is error 9, and ignoring it ends the reading at 599 lines.
    EscribirBytes(Ruta("grande.tvo"), Cabeceras + "0,0,0,\" 700\"\r\n" + Repetir("1,0,0,\"x\"\r\n", 700));
    BaseConocimiento base;
    QCOMPARE(LeerIgnorandoErrores(base, Ruta("grande.tvo")), QList<int>{9});
    QCOMPARE(base.NumLineas, qint16(599));
    QCOMPARE(base.TextoLinea[599], QStringLiteral("x"));

    // Retrying the 600th record never reaches past the arrays.
    LectorTvo lector(base, Ruta("grande.tvo"));
    for (int paso = 0; paso < 4 + 599; ++paso)
        QCOMPARE(lector.EjecutarPaso(), Error::Ninguno);
    QCOMPARE(lector.EjecutarPaso(), Error::IndiceFueraDeRango);
    QCOMPARE(lector.EjecutarPaso(), Error::IndiceFueraDeRango);
}

void TestFormato::inputsFoundByFuzzingReadAndWriteBackTheSame_data()
{
    QTest::addColumn<QString>("ruta");
    const QDir carpeta(QStringLiteral(ELTARVO_DATOS_PRUEBA "/fuzz"));
    for (const QString &nombre : carpeta.entryList({QStringLiteral("tvo-*")}, QDir::Files))
        QTest::newRow(qPrintable(nombre)) << carpeta.filePath(nombre);
}

void TestFormato::inputsFoundByFuzzingReadAndWriteBackTheSame()
{
    QFETCH(QString, ruta);
    BaseConocimiento base;
    LeerIgnorandoErrores(base, ruta);
    QVERIFY(base.NumLineas <= BaseConocimiento::MaxLineas);
    QCOMPARE(EscribirArchivoTvo(base, Ruta("vuelta.tvo")), Error::Ninguno);
    BaseConocimiento releida;
    QCOMPARE(LeerIgnorandoErrores(releida, Ruta("vuelta.tvo")), QList<int>());
    QCOMPARE(releida.TipoObjeto, base.TipoObjeto);
    QCOMPARE(releida.Caracteristicas, base.Caracteristicas);
    QCOMPARE(releida.NumLineas, base.NumLineas);
    QVERIFY(releida.TextoLinea == base.TextoLinea);
    QVERIFY(releida.ValorSi == base.ValorSi);
}

void TestFormato::failedWriteLeavesThePreviousFileIntact()
{
#ifdef Q_OS_UNIX
    // A file-size limit makes the write itself fail part-way, as a full disk does.
    EscribirBytes(Ruta("previo.tvo"), "contenido previo");
    BaseConocimiento base = BaseCompleta(BaseConocimiento::MaxLineas);
    rlimit anterior{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &anterior) == 0);
    const auto senal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = anterior;
    limite.rlim_cur = 4096;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limite) == 0);
    const int error = EscribirArchivoTvo(base, Ruta("previo.tvo"));
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, senal);

    QCOMPARE(error, Error::DiscoLleno);
    QCOMPARE(LeerBytes(Ruta("previo.tvo")), QByteArray("contenido previo"));
    QCOMPARE(QDir(carpeta->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"previo.tvo"});
#else
    QSKIP("needs a file-size limit");
#endif
}

QTEST_GUILESS_MAIN(TestFormato)
#include "tst_formato.moc"
