#include "apoyo/util.h"
#include "herramienta/arbol.h"
#include "herramienta/revision.h"
#include "kb/escritortvo.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Cabeceras = "0,0,0,\"Prueba\"\r\n0,0,0,\"\"\r\n";

} // namespace

class TestHerramienta : public QObject
{
    Q_OBJECT
private slots:
    void init() { carpeta = std::make_unique<QTemporaryDir>(); }

    void checkReportsEveryPlantedFault_data();
    void checkReportsEveryPlantedFault();
    void filesTheGameWritesAreClean();
    void drawsAndMeasuresTheTree();

private:
    QString Ruta(const QString &nombre) const { return carpeta->filePath(nombre); }
    std::unique_ptr<QTemporaryDir> carpeta;
};

void TestHerramienta::checkReportsEveryPlantedFault_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QStringList>("informe");
    const QByteArray tres = "0,0,0,\" 3\"\r\n";
    QTest::newRow("fewer records than the count")
        << Cabeceras + "0,0,0,\" 5\"\r\n1,2,3,\"a\"\r\n2,0,0,\"b\"\r\n3,0,0,\"c\"\r\n"
        << QStringList{"7: la cuenta anuncia 5 líneas, pero el archivo solo tiene 3 (error 62)"};
    QTest::newRow("more records than the count")
        << Cabeceras + tres + "1,2,3,\"a\"\r\n2,0,0,\"b\"\r\n3,0,0,\"c\"\r\n4,0,0,\"d\"\r\n"
        << QStringList{"7: hay más registros que las 3 líneas que anuncia la cuenta"};
    // The game reads on from the field after the failed one, and so does the report.
    QTest::newRow("a link above 16 bits")
        << Cabeceras + tres + "1,2,3,\"a\"\r\n2,40000,0,\"b\"\r\n3,0,0,\"c\"\r\n"
        << QStringList{"5: la línea 2: un número no cabe en 16 bits (error 6)",
                       "5: la línea 3 es una pregunta con el enlace Sí en 0", "5: la línea 3 enlaza (No) consigo misma",
                       "6: hay más registros que las 3 líneas que anuncia la cuenta"};
    QTest::newRow("links to no line, and half a question")
        << Cabeceras + tres + "1,2,9,\"a\"\r\n2,-1,0,\"b\"\r\n3,0,0,\"c\"\r\n"
        << QStringList{"4: la línea 1 enlaza (No) con la línea 9, que no existe",
                       "5: la línea 2 enlaza (Sí) con la línea -1, que no existe",
                       "5: la línea 2 es una pregunta con el enlace No en 0",
                       "6: la línea 3 no se alcanza desde la línea 1"};
    QTest::newRow("a link to itself and a cycle")
        << Cabeceras + tres + "1,2,3,\"a\"\r\n2,2,1,\"b\"\r\n3,0,0,\"c\"\r\n"
        << QStringList{"4: la línea 1 se alcanza desde las líneas 2", "5: la línea 2 enlaza (Sí) consigo misma",
                       "5: la línea 2 vuelve (No) a la línea 1: un ciclo"};
    QTest::newRow("a line reached from two questions")
        << Cabeceras + "0,0,0,\" 5\"\r\n1,2,3,\"a\"\r\n2,4,5,\"b\"\r\n3,4,5,\"c\"\r\n4,0,0,\"d\"\r\n5,0,0,\"e\"\r\n"
        << QStringList{"7: la línea 4 se alcanza desde las líneas 2 y 3",
                       "8: la línea 5 se alcanza desde las líneas 2 y 3"};
    QTest::newRow("an even count") << Cabeceras + "0,0,0,\" 2\"\r\n1,2,0,\"a\"\r\n2,0,0,\"b\"\r\n"
                                   << QStringList{"3: la cuenta es par (2): el juego siempre escribe un número impar "
                                                  "de líneas",
                                                  "4: la línea 1 es una pregunta con el enlace No en 0"};
    QTest::newRow("a text over 32766 characters")
        << Cabeceras + tres + "1,2,3,\"a\"\r\n2,0,0,\"" + QByteArray(32767, 'x') + "\"\r\n3,0,0,\"c\"\r\n"
        << QStringList{"5: el texto de la línea 2 tiene 32767 caracteres; el máximo es 32766"};
    QTest::newRow("an unclosed quote") << Cabeceras + "0,0,0,\" 1\"\r\n1,0,0,\"sin cerrar\r\n"
                                       << QStringList{"4: la línea 1: el texto no cierra sus comillas"};
    QTest::newRow("empty and repeated objects, without case and accents")
        << Cabeceras + "0,0,0,\" 5\"\r\n1,2,3,\"a\"\r\n2,0,0,\"\xd1"
                       "and\xfa\"\r\n3,4,5,\"c\"\r\n4,0,0,\"nandu \"\r\n"
                       "5,0,0,\"\"\r\n"
        << QStringList{"7: el objeto de la línea 4 repite el de la línea 2: \"nandu\"",
                       "8: la línea 5 es un objeto sin texto"};
    QTest::newRow("records split across lines are found where they begin")
        << Cabeceras + tres + "1,\r\n2,\r\n3,\r\n\"a\"\r\n2,0,0,\"b\"\r\n3,0,7,\"c\"\r\n"
        << QStringList{"9: la línea 3 es una pregunta con el enlace Sí en 0",
                       "9: la línea 3 enlaza (No) con la línea 7, que no existe"};
}

void TestHerramienta::checkReportsEveryPlantedFault()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QStringList, informe);
    EscribirBytes(Ruta("roto.tvo"), contenido);
    const Revision revision = RevisarArchivo(Ruta("roto.tvo"));
    QVERIFY(revision.legible);
    QStringList lineas;
    for (const Problema &problema : revision.problemas)
        lineas << QStringLiteral("%1: %2").arg(problema.lineaArchivo).arg(problema.texto);
    QCOMPARE(lineas, informe);
}

void TestHerramienta::filesTheGameWritesAreClean()
{
    BaseConocimiento base = BaseCompleta(15);
    QCOMPARE(EscribirArchivoTvo(base, Ruta("juego.tvo")), 0);
    for (const QString &ruta :
         {Ruta("juego.tvo"), QStringLiteral(ELTARVO_NUEVO_TVO), QStringLiteral(ELTARVO_EJEMPLOS "/animales.tvo")})
        QVERIFY2(RevisarArchivo(ruta).problemas.isEmpty(), qPrintable(ruta));
    const Revision ausente = RevisarArchivo(Ruta("no-existe.tvo"));
    QVERIFY(!ausente.legible && ausente.problemas.size() == 1);
    QCOMPARE(ausente.problemas[0].texto, QStringLiteral("no se puede abrir (error 53)"));
}

void TestHerramienta::drawsAndMeasuresTheTree()
{
    BaseConocimiento base = BaseCompleta(5);
    base.ValorNo[2] = 9;
    base.TextoLinea[1] = QStringLiteral("dice \"sí\" \\ o no");
    QCOMPARE(ArbolComoTexto(base), QStringLiteral("1 dice \"sí\" \\ o no\n  Sí → 2 línea 2\n        Sí → 4 línea 4\n"
                                                  "        No → 9 (no existe)\n  No → 3 línea 3\n"));
    const QString dot = ArbolComoDot(base);
    for (const char *parte : {"digraph tvo {\n", "n1 [shape=box, label=\"1: dice \\\"sí\\\" \\\\ o no\"];",
                              "n4 [shape=ellipse, label=\"4: línea 4\"];", "n1 -> n2 [label=\"Sí\"];",
                              "n2 -> mal2_0 [label=\"No\", color=red, fontcolor=red, style=dashed];"})
        QVERIFY2(dot.contains(QString::fromUtf8(parte)), parte);
    QVERIFY(Estadisticas(BaseCompleta(15)).endsWith(QStringLiteral("equilibrio: 100% (media ideal 3.00)\n")));
    // A ladder of 4 objects: depths 1, 2, 3 and 3, mean 2.25 against an ideal of 2.
    BaseConocimiento escalera = BaseCompleta(7);
    for (qint16 k : {1, 3, 5})
        std::tie(escalera.ValorSi[k], escalera.ValorNo[k]) = std::pair<qint16, qint16>(k + 1, k + 2);
    escalera.ValorSi[2] = escalera.ValorNo[2] = 0;
    QCOMPARE(Estadisticas(escalera), QStringLiteral("objetos: 4\npreguntas: 3\nobjetos alcanzables: 4\n"
                                                    "profundidad: mínima 1, media 2.25, máxima 3\n"
                                                    "camino más largo (3 preguntas):\n"
                                                    "  1 línea 1\n  3 línea 3\n  5 línea 5\n"
                                                    "equilibrio: 89% (media ideal 2.00)\n"));
}

QTEST_GUILESS_MAIN(TestHerramienta)
#include "tst_herramienta.moc"
