#include "kb/aprendizaje.h"

#include <QTest>

Q_DECLARE_METATYPE(ImpedimentoAprender)

namespace {

// A knowledge base of n lines: line 1 a question to 2 and 3, every other line an object.
BaseConocimiento BaseDe(int numLineas)
{
    BaseConocimiento base;
    base.NumLineas = static_cast<qint16>(numLineas);
    base.ValorSi[1] = 2;
    base.ValorNo[1] = 3;
    for (int k = 1; k <= std::min(numLineas, BaseConocimiento::MaxLineas); ++k)
        base.TextoLinea[k] = QStringLiteral("línea %1").arg(k);
    return base;
}

void Aprender(BaseConocimiento &base, int linea, bool respuestaSi)
{
    ConvertirEnPregunta(base, linea, respuestaSi, QStringLiteral("¿Pregunta?"));
    AnadirObjetos(base, QStringLiteral("objeto 2"), QStringLiteral("objeto 1"));
}

} // namespace

class TestAprendizaje : public QObject
{
    Q_OBJECT
private slots:
    void firstStepOfANewDocument_data();
    void firstStepOfANewDocument();
    void wrongGuessReusesTheGuessedLineForTheQuestion();
    void refusesStepsThatWouldWriteOutsideTheBase_data();
    void refusesStepsThatWouldWriteOutsideTheBase();
};

void TestAprendizaje::firstStepOfANewDocument_data()
{
    QTest::addColumn<bool>("respuestaSi");
    QTest::addColumn<int>("enlaceSi");
    QTest::addColumn<int>("enlaceNo");
    QTest::newRow("Si: the typed second object is reached by Yes") << true << 2 << 3;
    QTest::newRow("No: the typed second object is reached by No") << false << 3 << 2;
}

void TestAprendizaje::firstStepOfANewDocument()
{
    QFETCH(bool, respuestaSi);
    QFETCH(int, enlaceSi);
    QFETCH(int, enlaceNo);
    BaseConocimiento base;
    Aprender(base, 1, respuestaSi);
    QCOMPARE(base.NumLineas, qint16(3));
    QCOMPARE(int(base.ValorSi[1]), enlaceSi);
    QCOMPARE(int(base.ValorNo[1]), enlaceNo);
    QCOMPARE(base.TextoLinea[1], QStringLiteral("¿Pregunta?"));
    QCOMPARE(base.TextoLinea[2], QStringLiteral("objeto 2"));
    QCOMPARE(base.TextoLinea[3], QStringLiteral("objeto 1"));
    for (int k : {2, 3}) {
        QCOMPARE(base.ValorSi[k], qint16(0));
        QCOMPARE(base.ValorNo[k], qint16(0));
    }
}

void TestAprendizaje::wrongGuessReusesTheGuessedLineForTheQuestion()
{
    BaseConocimiento base = BaseDe(3);
    // Lines above NumLineas may hold stale links in a base read from a file; the new objects get none.
    base.ValorSi[4] = 9;
    base.ValorNo[5] = 9;
    Aprender(base, 2, true);
    QCOMPARE(base.NumLineas, qint16(5));
    QCOMPARE(base.ValorSi[2], qint16(4));
    QCOMPARE(base.ValorNo[2], qint16(5));
    QCOMPARE(base.ValorSi[1], qint16(2));
    QCOMPARE(base.TextoLinea[2], QStringLiteral("¿Pregunta?"));
    QCOMPARE(base.TextoLinea[4], QStringLiteral("objeto 2"));
    QCOMPARE(base.TextoLinea[5], QStringLiteral("objeto 1"));
    QCOMPARE(base.ValorSi[4], qint16(0));
    QCOMPARE(base.ValorNo[5], qint16(0));
}

void TestAprendizaje::refusesStepsThatWouldWriteOutsideTheBase_data()
{
    QTest::addColumn<int>("numLineas");
    QTest::addColumn<int>("linea");
    QTest::addColumn<ImpedimentoAprender>("impedimento");
    QTest::newRow("597 lines still learn, to 599") << 597 << 2 << ImpedimentoAprender::Ninguno;
    QTest::newRow("599 lines are full") << 599 << 2 << ImpedimentoAprender::BaseLlena;
    QTest::newRow("598 lines would write line 600") << 598 << 2 << ImpedimentoAprender::SinSitioParaDos;
    QTest::newRow("596 lines, even but room for two") << 596 << 2 << ImpedimentoAprender::Ninguno;
    QTest::newRow("0 lines would overwrite line 1") << 0 << 1 << ImpedimentoAprender::SinLineas;
    QTest::newRow("negative count") << -5 << 1 << ImpedimentoAprender::SinLineas;
    QTest::newRow("current line above the count") << 3 << 7 << ImpedimentoAprender::LineaFueraDeArchivo;
    QTest::newRow("current line 0") << 3 << 0 << ImpedimentoAprender::LineaFueraDeArchivo;
}

void TestAprendizaje::refusesStepsThatWouldWriteOutsideTheBase()
{
    QFETCH(int, numLineas);
    QFETCH(int, linea);
    QFETCH(ImpedimentoAprender, impedimento);
    BaseConocimiento base = BaseDe(numLineas);
    QCOMPARE(ComprobarAprendizaje(base, linea), impedimento);

    const BaseConocimiento antes = base;
    ConvertirEnPregunta(base, linea, false, QStringLiteral("¿Pregunta?"));
    const bool permitido = impedimento == ImpedimentoAprender::Ninguno;
    QCOMPARE(base.TextoLinea == antes.TextoLinea, !permitido);
    QCOMPARE(base.ValorNo == antes.ValorNo, !permitido);
    // The two new lines fit exactly when the count is 1..597, whatever the current line.
    AnadirObjetos(base, QStringLiteral("objeto 2"), QStringLiteral("objeto 1"));
    const bool caben = numLineas >= 1 && numLineas <= 597;
    QCOMPARE(int(base.NumLineas), caben ? numLineas + 2 : numLineas);
    if (permitido)
        QCOMPARE(int(base.ValorNo[linea]), numLineas + 1);
    if (!caben)
        QVERIFY(base.TextoLinea == antes.TextoLinea);
}

QTEST_APPLESS_MAIN(TestAprendizaje)
#include "tst_aprendizaje.moc"
