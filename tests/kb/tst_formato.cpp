#include "apoyo/util.h"
#include "kb/baseconocimiento.h"
#include "kb/errores.h"
#include "kb/escritortvo.h"
#include "kb/lectortvo.h"
#include "kb/rutas.h"
#include "texto/cp1252.h"
#include "texto/lineascambiadas.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using Contenido = QList<QByteArray>;

namespace {

const QByteArray Cabeceras = "0,0,0,\"Objeto (tipo de objeto)\"\r\n"
                             "0,0,0,\"Caracter\xedsticas del archivo\"\r\n";

QList<int> LeerIgnorandoErrores(BaseConocimiento &base, const QString &ruta)
{
    base.VaciarLineas();
    return LectorTvo(base, ruta).LeerIgnorandoErrores();
}

// A file's text as a view shows it: a CR LF pair is one line break, as a lone CR or LF is.
QString Vista(const QByteArray &bytes)
{
    return DecodificarCp1252(bytes).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
}

// The lines that CompararLineas finds, replaced in a view of antes, make a view of ahora.
bool CambiaComoUnaVistaNueva(const Contenido &antes, const Contenido &ahora)
{
    const LineasCambiadas cambio = CompararLineas(antes, ahora);
    const QByteArray a = antes.join();
    const QByteArray b = ahora.join();
    if (cambio.iguales)
        return a == b;
    const bool principio = cambio.inicio == 0 || a[cambio.inicio - 1] == '\n';
    return principio && cambio.todas == (cambio.inicio == 0 && cambio.finAntes == a.size()) &&
           Vista(a).replace(cambio.posicion, cambio.largo,
                            Vista(b.mid(cambio.inicio, cambio.finAhora - cambio.inicio))) == Vista(b);
}

} // namespace

class TestFormato : public QObject
{
    Q_OBJECT
private:
    QString Ruta(const QString &nombre) const { return carpeta->filePath(nombre); }
    std::unique_ptr<QTemporaryDir> carpeta;

private slots:
    void init()
    {
        carpeta = std::make_unique<QTemporaryDir>();
        QVERIFY(carpeta->isValid());
    }

    void writesTheRecordsOfTheFormat()
    {
        QCOMPARE(ArchivoDe(BaseDeEjemplo()), Cabeceras + "0,0,0,\" 3\"\r\n1,2,3,\"Pregunta\"\r\n2,0,0,\"Objeto1\"\r\n"
                                                         "3,0,0,\"Objeto2\"\r\n");
        // A count that is not a line number writes no line record.
        BaseConocimiento base = BaseDeEjemplo();
        base.NumLineas = -3;
        QCOMPARE(ArchivoDe(base), Cabeceras + "0,0,0,\"-3\"\r\n");
        // A new document, one empty line, is written as the shipped Nuevo.tvo.
        base = BaseCompleta(1);
        base.TextoLinea[1].clear();
        QCOMPARE(ArchivoDe(base), LeerBytes(QStringLiteral(ELTARVO_NUEVO_TVO)));
    }

    void anEncoderEncodesEveryEditAndKeepsTheRecordsOfOtherLines()
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
            QCOMPARE(registros.join(), ArchivoDe(base));
            // Line 5 is never edited: its record is the one encoded first, not a new copy.
            QCOMPARE(registros[3 + 4].constData(), primeros[3 + 4].constData());
        }
    }

    void writesPiecesOfAnySizeAsOneFile()
    {
        const QList<QByteArray> partes = {
            "", "a", QByteArray(1 << 20, 'b'), "c", QByteArray((1 << 20) + 1, 'd'), QByteArray((1 << 20) - 1, 'e'),
            "", "f"};
        QCOMPARE(GuardarBytes(partes, Ruta("partes.tvo")), Error::Ninguno);
        QCOMPARE(LeerBytes(Ruta("partes.tvo")), partes.join());
    }

    void roundTripsTextsWithCommasLineBreaksAndEveryByte()
    {
        QByteArray todosMenosComilla;
        for (int b = 0; b < 256; ++b)
            todosMenosComilla += b == '"' ? QByteArray() : QByteArray(1, static_cast<char>(b));
        const QString cortado(32766, QLatin1Char('a'));
        const QString largo = cortado + QString(40000 - 32766, QLatin1Char('z'));
        BaseConocimiento base = BaseDeEjemplo();
        base.Caracteristicas = QStringLiteral("  blancos, comas,\r\ny saltos  ") + largo;
        base.TextoLinea[1] = DecodificarCp1252(todosMenosComilla);
        // A double quote is written as it stands; on reading the text ends at it, and the rest of its line is lost.
        base.TextoLinea[2] = QStringLiteral("dice \"hola\" y sigue");
        // Long texts are cut in the file and in memory; a text above NumLineas is not part of the document.
        base.TipoObjeto = base.TextoLinea[3] = base.TextoLinea[4] = largo;
        base.ValorSi[3] = -32768;
        base.ValorNo[3] = 32767;
        QCOMPARE(EscribirArchivoTvo(base, Ruta("ida.tvo")), Error::Ninguno);
        QCOMPARE((QStringList{base.TipoObjeto, base.Caracteristicas.right(3), base.TextoLinea[3], base.TextoLinea[4]}),
                 (QStringList{cortado, "aaa", cortado, largo}));
        QVERIFY(LeerBytes(Ruta("ida.tvo")).contains("2,0,0,\"dice \"hola\" y sigue\"\r\n3,-32768,32767,\"aaa"));
        BaseConocimiento leida;
        QCOMPARE(LeerIgnorandoErrores(leida, Ruta("ida.tvo")), QList<int>());
        QCOMPARE((QStringList{leida.TipoObjeto, leida.Caracteristicas, leida.TextoLinea[1], leida.TextoLinea[2],
                              leida.TextoLinea[3]}),
                 (QStringList{cortado, base.Caracteristicas, base.TextoLinea[1], "dice ", cortado}));
        QCOMPARE((QList<int>{leida.NumLineas, leida.ValorSi[3], leida.ValorNo[3]}), (QList<int>{3, -32768, 32767}));
    }

    void readsFiles_data()
    {
        // What is read: "errors | NumLineas | texts of lines 1 to 3 | links of line 1"; \0 stands for a NUL.
        Columnas<QByteArray, QString>("contenido", "leido");
        const QByteArray tres = "1,2,3,\"uno\"\r\n2,0,0,\"dos\"\r\n3,0,0,\"tres\"\r\n";
        // After the two header records.
        const auto fila = [](const char *nombre, const QByteArray &contenido, const char *leido) {
            QTest::newRow(nombre) << Cabeceras + contenido << QString::fromUtf8(leido);
        };
        fila("count 2.5 rounds to 2", "0,0,0,\" 2.5\"\r\n" + tres, " | 2 | uno/dos/ | 2 3");
        fila("count 3.5 rounds to 4", "0,0,0,\" 3.5\"\r\n" + tres, "62 | 4 | uno/dos/tres | 2 3");
        fila("count 0 reads no line", "0,0,0,\" 0\"\r\n" + tres, " | 0 | // | 0 0");
        fila("a count without a number is 0", "0,0,0,\"tres\"\r\n" + tres, " | 0 | // | 0 0");
        fila("a count with an exponent", "0,0,0,\"3e0 lineas\"\r\n" + tres, " | 3 | uno/dos/tres | 2 3");
        fila("blanks before fields",
             "  0, 0,\t0,  \" 3\"\r\n 1,  2 ,3 , \"uno\"\r\n2,0,0,\"dos\"\r\n3,0,0,\"tres\"\r\n",
             " | 3 | uno/dos/tres | 2 3");
        fila("records split across lines", "0,0,0,\" 3\"\r\n1\r\n2\r\n3,\r\n\"uno\"\r\n2,0,0,\"dos\"\n3,0,0,\"tres\"",
             " | 3 | uno/dos/tres | 2 3");
        fila("records numbered 5, 9, 7 are lines 1, 2, 3",
             "0,0,0,\" 3\"\r\n5,2,3,\"uno\"\r\n9,0,0,\"dos\"\r\n7,0,0,\"tres\"\r\n", " | 3 | uno/dos/tres | 2 3");
        fila("number fields without a number are 0", "0,0,0,\" 1\"\r\nuno,si,,\"uno\"\r\n", " | 1 | uno// | 0 0");
        fila("quoted and rounded number fields", "0,0,0,\" 1\"\r\n1,\"7\",2.5,\"uno\"\r\n", " | 1 | uno// | 7 2");
        // The failed record stays empty, and the next one is read from the field after the failed one.
        fila("a link above 16 bits is 6 and the line stays empty",
             "0,0,0,\" 2\"\r\n1,40000,3,\"uno\"\r\n2,0,0,\"dos\"\r\n", "6 | 2 | /0/ | 0 0");
        // The next save would otherwise write a quote inside a quoted text.
        fila("a quote in a text without quotes becomes an apostrophe", "0,0,0,\" 1\"\r\n1,0,0,dice \"hola\"\r\n",
             " | 1 | dice 'hola'// | 0 0");
        fila("a text without quotes runs to the comma", "0,0,0,\" 1\"\r\n1,0,0,sin comillas,resto\r\n",
             " | 1 | sin comillas// | 0 0");
        fila("an unclosed quote runs to the end of the file", "0,0,0,\" 1\"\r\n1,0,0,\"sin fin, ni comilla\r\n",
             " | 1 | sin fin, ni comilla\r\n// | 0 0");
        fila("NUL bytes are characters", QByteArray("0,0,0,\" 1\"\r\n1,0,0,\"a\0b\"\r\n", 25), " | 1 | a\\0b// | 0 0");
        fila("no final line end", "0,0,0,\" 1\"\r\n1,0,0,\"uno\"", " | 1 | uno// | 0 0");
    }

    void readsFiles()
    {
        auto [contenido, leido] = Celdas<QByteArray, QString>("contenido", "leido");
        EscribirBytes(Ruta("prueba.tvo"), contenido);
        BaseConocimiento base;
        QStringList errores;
        for (int error : LeerIgnorandoErrores(base, Ruta("prueba.tvo")))
            errores << QString::number(error);
        const QString textos = QStringList{base.TextoLinea[1], base.TextoLinea[2], base.TextoLinea[3]}.join('/');
        const QString enlaces = QStringLiteral("%1 %2").arg(base.ValorSi[1]).arg(base.ValorNo[1]);
        QCOMPARE(QStringList({errores.join(' '), QString::number(base.NumLineas), textos, enlaces}).join(" | "),
                 leido.replace(QStringLiteral("\\0"), QString(QChar(0))));
    }

    void retryingAFailedRecordReadsOnFromWhereItStopped_data()
    {
        // The error of each step, "o" before one that skips the failed record first; the last step ends the reading.
        Columnas<QByteArray, QString>("contenido", "pasos");
        // The failed field is gone: line 1 is then read from "0,\"uno\"" and runs out of fields.
        QTest::newRow("a link above 16 bits") << Cabeceras + "0,0,0,\" 2\"\r\n1,99999,0,\"uno\"\r\n"
                                              << "0 0 0 0 6 62 62 o62 o0";
        // 700 records promised and present: retrying the 600th never reaches past the arrays, and skipping it ends
        // the reading.
        QTest::newRow("the 600th record")
            << Cabeceras + "0,0,0,\" 700\"\r\n" + QByteArray("1,0,0,\"x\"\r\n").repeated(700)
            << QStringLiteral("0 ").repeated(4 + 599) + "9 9 o0";
    }

    void retryingAFailedRecordReadsOnFromWhereItStopped()
    {
        auto [contenido, pasos] = Celdas<QByteArray, QString>("contenido", "pasos");
        EscribirBytes(Ruta("pasos.tvo"), contenido);
        BaseConocimiento base;
        LectorTvo lector(base, Ruta("pasos.tvo"));
        QStringList hechos;
        for (const QString &paso : pasos.split(' ')) {
            QVERIFY(!lector.Terminado());
            if (paso.startsWith('o'))
                lector.OmitirPaso();
            hechos << paso.left(paso.startsWith('o') ? 1 : 0) + QString::number(lector.EjecutarPaso());
        }
        QCOMPARE(hechos.join(' '), pasos);
        QVERIFY(lector.Terminado());
    }

    void inputsFoundByFuzzingReadAndWriteBackTheSame_data()
    {
        QTest::addColumn<QString>("ruta");
        const QDir carpeta(QStringLiteral(ELTARVO_DATOS_PRUEBA "/fuzz"));
        for (const QString &nombre : carpeta.entryList({QStringLiteral("tvo-*")}, QDir::Files))
            QTest::newRow(qPrintable(nombre)) << carpeta.filePath(nombre);
    }

    void inputsFoundByFuzzingReadAndWriteBackTheSame()
    {
        QFETCH(QString, ruta);
        BaseConocimiento base;
        LeerIgnorandoErrores(base, ruta);
        QVERIFY(base.NumLineas <= BaseConocimiento::MaxLineas);
        QCOMPARE(EscribirArchivoTvo(base, Ruta("vuelta.tvo")), Error::Ninguno);
        BaseConocimiento releida;
        QCOMPARE(LeerIgnorandoErrores(releida, Ruta("vuelta.tvo")), QList<int>());
        QVERIFY(releida.TipoObjeto == base.TipoObjeto && releida.Caracteristicas == base.Caracteristicas &&
                releida.NumLineas == base.NumLineas && releida.TextoLinea == base.TextoLinea &&
                releida.ValorSi == base.ValorSi && releida.ValorNo == base.ValorNo);
    }

    void failedWriteLeavesThePreviousFileIntact()
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

        QCOMPARE(error, int(Error::DiscoLleno));
        QCOMPARE(LeerBytes(Ruta("previo.tvo")), QByteArray("contenido previo"));
        QCOMPARE(QDir(carpeta->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"previo.tvo"});
#else
        QSKIP("needs a file-size limit");
#endif
    }

    void everyByteDecodesAndEncodes()
    {
        QByteArray todos;
        for (int b = 0; b < 256; ++b)
            todos += static_cast<char>(b);
        const QString texto = DecodificarCp1252(todos);
        // The euro, the undefined bytes as C1 controls, the ellipsis, the curly quotes, the no-break space.
        QCOMPARE(texto.size(), 256);
        QCOMPARE(texto.mid(0x80, 6) + texto.mid(0x8D, 7) + texto.mid(0x9D, 4),
                 QStringLiteral("€\u0081‚ƒ„…\u008DŽ\u008F\u0090‘’“\u009DžŸ\u00A0"));
        // Outside the code page a character becomes '?'; a surrogate pair is one character.
        QByteArray fuera;
        AnadirCp1252(fuera, QStringLiteral("xĀy") + QChar(0x80) + QStringLiteral("中😀") + QChar(0xD800) + 'z');
        QCOMPARE(fuera, QByteArray("x?y????z"));
    }

    void captionShowsTheFileNameFromTheLast60Characters()
    {
        // A name of 65 shows its last 60 characters; a separator within the last 60 of 70 ends the folder.
        const QString sep = QDir::separator();
        const QString nombre65 = QString(61, QLatin1Char('n')) + QStringLiteral(".tvo");
        QCOMPARE(NombreArchivoParaTitulo(sep + "datos" + sep + nombre65), nombre65.right(60));
        QCOMPARE(NombreArchivoParaTitulo(sep + QString(56, QLatin1Char('c')) + sep + "animales.tvo"), "animales.tvo");
    }

    // A view lays out again only the lines that differ; replacing them must give what a new view would show.
    void findsTheLinesThatChangedInRandomEditsOfLineBreaks()
    {
        // Short contents of few bytes make every kind of line break meet every kind of edit.
        QRandomGenerator azar(1252);
        const auto contenidoAlAzar = [&azar] {
            Contenido partes;
            for (int p = azar.bounded(4); p >= 0; --p) {
                QByteArray parte;
                for (int b = azar.bounded(6); b > 0; --b)
                    parte += "ab\r\n"[azar.bounded(4)];
                partes << parte;
            }
            return partes;
        };
        Contenido antes = contenidoAlAzar();
        for (int i = 0; i < 5000; ++i) {
            const Contenido ahora = contenidoAlAzar();
            QVERIFY2(CambiaComoUnaVistaNueva(antes, ahora),
                     (antes.join() + " / " + ahora.join()).toHex(' ').constData());
            antes = ahora;
        }
    }
};

QTEST_GUILESS_MAIN(TestFormato)
#include "tst_formato.moc"
