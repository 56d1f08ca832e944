#include "apoyo/util.h"
#include "herramienta/arbol.h"
#include "herramienta/revision.h"
#include "kb/escritortvo.h"

#include <QTemporaryDir>
#include <QTest>

class TestHerramienta : public QObject
{
    Q_OBJECT
private slots:
    void init() { carpeta = std::make_unique<QTemporaryDir>(); }

    void filesTheGameWritesAreClean();
    void drawsAndMeasuresTheTree();

private:
    QString Ruta(const QString &nombre) const { return carpeta->filePath(nombre); }
    std::unique_ptr<QTemporaryDir> carpeta;
};

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
